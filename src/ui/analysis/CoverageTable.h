#pragma once

#include "Coverage.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// Columns of the "Abdeckung" table.
inline constexpr std::array<const char*, 6> kCoverageColumns = {"Fläche",   "Fläche m²", "erfasst m²",
                                                                "Anteil %", "Lücken",    "Überdeckung"};

using CCoverageRow = std::array<std::string, kCoverageColumns.size()>;

// The table's rows in UTF-8: one per target surface in tree order, named as
// the tree shows it, areas in m² to the hundredth, then "alle Flächen" with
// the areas summed, the share of the sums, the blind spots counted and the
// largest overlap.
std::vector<CCoverageRow> CoverageTableRows(const CCoverage& coverage);

// The table of several sensors in UTF-8: the column titles, then the rows as
// CoverageTableRows orders them.
struct CSensorsTable {
  std::vector<std::string> headers;
  std::vector<std::vector<std::string>> rows;
};

// Per surface of the union: its name and area, each sensor's share alone
// ("Sensor N %", "-" for a sensor without coverage), then the union's
// watched area and share, blind spots and most sensors over one point.
CSensorsTable SensorsCoverageTable(const CCoverage& united, const std::vector<std::optional<CCoverage>>& each);
