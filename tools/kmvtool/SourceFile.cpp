#include "SourceFile.h"

#include "FileAccess.h"
#include "HugePages.h"
#include "TextBuffer.h"
#include "TextEncoding.h"

#include <algorithm>
#include <cstdio>

bool IsScrambledPath(const std::string& path)
{
  const std::string suffix = ".kmv";
  return path.size() >= suffix.size() && path.compare(path.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool ReadSource(const std::string& source, CTextBuffer& text, std::string& error)
{
  ReadStatus status = ReadWholeFile(source, text);
  if (status != ReadStatus::Ok) {
    error = DescribeReadStatus(status, source);
    return false;
  }
  if (IsScrambledPath(source)) {
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

int CLoadedProject::Load(const std::string& source)
{
  std::string error;
  if (!ReadSource(source, m_text, error)) {
    PrintError(error);
    return kExitUnreadable;
  }
  // The entries of a project, with the polygons' vertices as read, take
  // about three quarters of its text's size.
  GrowHeapInHugePages(static_cast<size_t>(m_text.GetLength()));
  LoadStatus status = m_project.Load(m_text);
  if (!status.IsOk()) {
    PrintError(source + ": Formatfehler in Zeile " + std::to_string(status.nErrorLine));
    return kExitUnreadable;
  }
  return kExitOk;
}
