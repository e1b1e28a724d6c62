#include "RecordText.h"

#include "NumberFormat.h"
#include "TextBuffer.h"

#include <algorithm>
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
  int n = static_cast<int>(std::min<size_t>(text.size(), CTextBuffer::kMaxLength)) + 1;
  char* room = out.BeginAppend(n);
  if (!room) {
    out.Append(EncodeBlanks(text));
    out.Append(' ');
    return;
  }
  for (char c : text)
    *room++ = c == ' ' ? '_' : c;
  *room = ' ';
  out.EndAppend(n);
}

void AppendWordField(CTextBuffer& out, std::string_view word)
{
  out.Append(word);
  out.Append(' ');
}

namespace {

// Writes a field of at most maxLength characters and its blank straight
// into the text; near the text's limit through a copy, so that what still
// fits is taken.
template <typename Write> void AppendFormatted(CTextBuffer& out, int maxLength, Write write)
{
  char copy[kMaxFormattedDouble + 1];
  char* room = out.BeginAppend(maxLength + 1);
  char* target = room ? room : copy;
  int n = write(target);
  target[n++] = ' ';
  if (room)
    out.EndAppend(n);
  else
    out.Append(std::string_view(copy, static_cast<size_t>(n)));
}

} // namespace

void AppendIntField(CTextBuffer& out, int value)
{
  constexpr int kMaxIntLength = 11;
  AppendFormatted(out, kMaxIntLength, [value](char* target) {
    return static_cast<int>(std::to_chars(target, target + kMaxIntLength, value).ptr - target);
  });
}

void AppendDoubleField(CTextBuffer& out, double value)
{
  AppendFormatted(out, kMaxFormattedDouble, [value](char* target) { return FormatDouble(value, target); });
}

void BeginRecord(CTextBuffer& out)
{
  if (!out.IsEmpty())
    out.Append('\n');
}
