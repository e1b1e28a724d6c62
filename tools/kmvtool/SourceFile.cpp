#include "SourceFile.h"

#include "FileAccess.h"
#include "TextBuffer.h"
#include "TextEncoding.h"

#include <algorithm>
#include <cstdio>

namespace {

bool EndsWith(const std::string& text, const std::string& suffix)
{
  return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

} // namespace

bool ReadSource(const std::string& source, CTextBuffer& text, std::string& error)
{
  ReadStatus status = ReadWholeFile(source, text);
  if (status != ReadStatus::Ok) {
    error = DescribeReadStatus(status, source);
    return false;
  }
  if (EndsWith(source, ".kmv")) {
    char* data = text.Reserve(text.GetLength());
    Scramble(data, static_cast<size_t>(text.GetLength()));
  }
  return true;
}

void CStderrMessages::ShowMessage(const std::string&, const std::string& text)
{
  PrintError(text);
}

void PrintError(const std::string& text)
{
  std::string line = Cp1252ToUtf8(text);
  std::replace(line.begin(), line.end(), '\n', ' ');
  std::fprintf(stderr, "kmvtool: %s\n", line.c_str());
}
