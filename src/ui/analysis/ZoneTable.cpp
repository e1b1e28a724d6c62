#include "ZoneTable.h"

#include "CoverageFormat.h"
#include "TableFigures.h"
#include "TextEncoding.h"

std::vector<CZoneRow> ZoneTableRows(const std::vector<CZoneCoverage>& zones)
{
  std::vector<CZoneRow> rows;
  for (const CZoneCoverage& zone : zones)
    rows.push_back({Cp1252ToUtf8(zone.name), FormatReadableArea(zone.area), FormatReadableArea(zone.watched),
                    FormatSharePercent(zone.watched, zone.area)});
  return rows;
}
