#pragma once

#include "TextEncoding.h"

#include <string>
#include <string_view>

// A file name (the file system's bytes, UTF-8) as core text (Windows-1252),
// for a message that names it; characters beyond Windows-1252 become "?".
inline std::string FileNameText(std::string_view path)
{
  return Utf8ToCp1252(path);
}
