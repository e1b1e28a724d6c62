#pragma once

#include <cstddef>
#include <string_view>

// Position of the first line feed or carriage return at or after pos, or the
// text's size when there is none.
size_t FindLineEnd(std::string_view text, size_t pos);

// The readable part of a line: its text ends at a NUL byte, as it would for
// the C library.
std::string_view ReadablePart(std::string_view line);
