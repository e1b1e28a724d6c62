#include "ProjectText.h"

std::string_view LineAt(std::string_view text, size_t start)
{
  const size_t end = text.find('\n', start);
  return text.substr(start, end == std::string_view::npos ? text.size() - start : end + 1 - start);
}

std::string_view Word(std::string_view line, size_t index)
{
  size_t start = 0;
  for (size_t k = 0; k < index; ++k)
    start = line.find(' ', start) + 1;
  return line.substr(start, line.find(' ', start) - start);
}

// The offset just past the "end-system" line that closes the system whose
// record starts at `start`; npos when it is never closed.
size_t EndOfSystem(std::string_view text, size_t start)
{
  int depth = 0;
  for (size_t at = start; at < text.size();) {
    std::string_view line = LineAt(text, at);
    if (line.starts_with("begin-"))
      ++depth;
    else if (line.starts_with("end-") && --depth == 0)
      return at + line.size();
    at += line.size();
  }
  return std::string_view::npos;
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to)
{
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}
