#include "TextLines.h"

#include <cstring>

size_t FindLineEnd(std::string_view text, size_t pos)
{
  // memchr scans far faster than a loop testing two characters; the second
  // search only covers the line found by the first, which is still in cache.
  const char* begin = text.data() + pos;
  size_t length = text.size() - pos;
  const void* feed = std::memchr(begin, '\n', length);
  size_t end = feed ? static_cast<size_t>(static_cast<const char*>(feed) - begin) : length;
  if (const void* ret = std::memchr(begin, '\r', end))
    end = static_cast<size_t>(static_cast<const char*>(ret) - begin);
  return pos + end;
}

std::string_view ReadablePart(std::string_view line)
{
  const void* nul = std::memchr(line.data(), '\0', line.size());
  return nul ? line.substr(0, static_cast<size_t>(static_cast<const char*>(nul) - line.data())) : line;
}
