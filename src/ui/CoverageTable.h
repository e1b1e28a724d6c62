#pragma once

#include "Coverage.h"

#include <array>
#include <string>
#include <vector>

// Columns of the "Abdeckung" table.
inline constexpr std::array<const char*, 6> kCoverageColumns = {"Fläche",   "Fläche m²", "erfasst m²",
                                                                "Anteil %", "Lücken",    "Überdeckung"};

using CCoverageRow = std::array<std::string, kCoverageColumns.size()>;

// The table's rows in UTF-8, numbers as kmvtool coverage prints them: one per
// target surface in tree order (its path with "_" for a blank), then
// "Gesamt" with the areas summed, the share of the sums, the blind spots
// counted and the largest overlap.
std::vector<CCoverageRow> CoverageTableRows(const CCoverage& coverage);
