#pragma once

#include <string>
#include <string_view>

// Edits of project text, record by record.

// The line starting at `start`, with its line feed.
std::string_view LineAt(std::string_view text, size_t start);
// The word `index` (from 0) of a record line.
std::string_view Word(std::string_view line, size_t index);
// The offset just past the "end-..." line that closes the container whose
// record starts at `start`; npos when it is never closed.
size_t EndOfSystem(std::string_view text, size_t start);
void ReplaceAll(std::string& text, const std::string& from, const std::string& to);
