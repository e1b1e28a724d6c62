#pragma once

#include <string>
#include <string_view>

// Texts are Windows-1252 inside the program; terminals and Qt speak UTF-8.
std::string Cp1252ToUtf8(std::string_view text);
// Characters without a Windows-1252 form become "?".
std::string Utf8ToCp1252(std::string_view text);
