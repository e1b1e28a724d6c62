#include "RecordText.h"

#include "NumberFormat.h"
#include "TextBuffer.h"

#include <charconv>

std::string EncodeBlanks(std::string_view text)
{
  std::string result(text);
  for (char& c : result)
    if (c == ' ')
      c = '_';
  return result;
}

void DecodeBlanks(std::string& text)
{
  for (char& c : text)
    if (c == '_')
      c = ' ';
}

void AppendTextField(CTextBuffer& out, std::string_view text, bool markEmpty)
{
  if (text.empty() && markEmpty) {
    out.Append("_ ");
    return;
  }
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == ' ') {
      out.Append(text.substr(start, i - start));
      out.Append('_');
      start = i + 1;
    }
  }
  out.Append(text.substr(start));
  out.Append(' ');
}

void AppendWordField(CTextBuffer& out, std::string_view word)
{
  out.Append(word);
  out.Append(' ');
}

void AppendIntField(CTextBuffer& out, int value)
{
  char buf[16];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf - 1, value);
  *end++ = ' ';
  out.Append(std::string_view(buf, static_cast<size_t>(end - buf)));
}

void AppendDoubleField(CTextBuffer& out, double value)
{
  char buf[kMaxFormattedDouble + 1];
  int n = FormatDouble(value, buf);
  buf[n++] = ' ';
  out.Append(std::string_view(buf, static_cast<size_t>(n)));
}

void BeginRecord(CTextBuffer& out)
{
  if (!out.IsEmpty())
    out.Append('\n');
}
