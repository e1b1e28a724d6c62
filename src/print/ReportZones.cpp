#include "ReportZones.h"

#include "CoverageFormat.h"
#include "PlanEntries.h"
#include "TableFigures.h"
#include "ZoneCoverage.h"

#include <cstdio>

CReportTable CollectZoneTable(CProject& project, const std::optional<CCoverage>& coverage)
{
  CReportTable table;
  table.strHeading = "Sperrzonen";
  if (coverage && coverage->height > 0.0) {
    char height[48];
    std::snprintf(height, sizeof height, " in %.2f m H\xF6he", coverage->height);
    table.strHeading += height;
  }
  table.columns = {{"Sperrzone", 0.46, false},
                   {"Fl\xE4"
                    "che (m\xB2)",
                    0.18, true},
                   {"erfasst (m\xB2)", 0.18, true},
                   {"Anteil (%)", 0.18, true}};
  std::optional<CRoomPlan> plan = coverage ? FindRoomPlan(project) : std::nullopt;
  if (!plan)
    return table;
  size_t watched = 0;
  for (const CZoneCoverage& zone : MeasureZones(*plan, *coverage)) {
    table.rows.push_back({zone.name, FormatReadableArea(zone.area), FormatReadableArea(zone.watched),
                          FormatSharePercent(zone.watched, zone.area)});
    watched += zone.IsWatched() ? 1 : 0;
  }
  table.notes.push_back(watched == 0 ? "Kein Erfassungsfeld reicht in eine Sperrzone."
                                     : std::to_string(watched) + " von " + std::to_string(table.rows.size()) +
                                           " Sperrzonen werden erfasst.");
  return table;
}
