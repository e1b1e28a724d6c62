#pragma once

#include <string>

// One CSV field: quoted, with doubled quotes, when it holds a comma, a quote
// or a line break.
std::string CsvField(const std::string& text);
