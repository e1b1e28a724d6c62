#pragma once

#include "ZoneCoverage.h"

#include <array>
#include <string>
#include <vector>

// Columns of the zones' table in "Abdeckung".
inline constexpr std::array<const char*, 4> kZoneColumns = {"Sperrzone", "Fläche m²", "erfasst m²", "Anteil %"};

using CZoneRow = std::array<std::string, kZoneColumns.size()>;

// One row per zone in plan order, UTF-8, areas in m² to the hundredth.
std::vector<CZoneRow> ZoneTableRows(const std::vector<CZoneCoverage>& zones);
