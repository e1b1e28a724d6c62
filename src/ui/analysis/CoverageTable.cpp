#include "CoverageTable.h"

#include "CoverageFormat.h"
#include "SensorUnion.h"
#include "TableFigures.h"
#include "TextEncoding.h"

#include <algorithm>

std::vector<CCoverageRow> CoverageTableRows(const CCoverage& coverage)
{
  std::vector<std::string> paths;
  for (const CTargetCoverage& entry : coverage.targets)
    paths.push_back(entry.target.strPath);
  std::vector<std::string> names = SurfaceDisplayNames(paths);
  std::vector<CCoverageRow> rows;
  double area = 0.0;
  double watched = 0.0;
  size_t blindSpots = 0;
  int overlap = 0;
  for (const CTargetCoverage& entry : coverage.targets) {
    const CSurfaceCoverage& c = entry.coverage;
    rows.push_back({Cp1252ToUtf8(names[rows.size()]), FormatReadableArea(c.area), FormatReadableArea(c.watched),
                    FormatSharePercent(c.watched, c.area), std::to_string(c.blindSpots.size()),
                    std::to_string(c.overlap)});
    area += c.area;
    watched += c.watched;
    blindSpots += c.blindSpots.size();
    overlap = std::max(overlap, c.overlap);
  }
  rows.push_back({"alle Flächen", FormatReadableArea(area), FormatReadableArea(watched),
                  FormatSharePercent(watched, area), std::to_string(blindSpots), std::to_string(overlap)});
  return rows;
}

CSensorsTable SensorsCoverageTable(const CCoverage& united, const std::vector<std::optional<CCoverage>>& each)
{
  CSensorsTable table;
  table.headers = {kCoverageColumns[0], kCoverageColumns[1]};
  for (size_t sensor = 1; sensor <= each.size(); ++sensor)
    table.headers.push_back("Sensor " + std::to_string(sensor) + " %");
  table.headers.insert(table.headers.end(), {"gesamt m²", "gesamt %", kCoverageColumns[4], kCoverageColumns[5]});
  // The union's rows give the names, areas and the union's figures.
  std::vector<CCoverageRow> rows = CoverageTableRows(united);
  std::vector<double> alone(each.size(), 0.0);
  double area = 0.0;
  for (size_t r = 0; r < rows.size(); ++r) {
    const bool total = r == united.targets.size();
    std::vector<std::string> row = {rows[r][0], rows[r][1]};
    for (size_t s = 0; s < each.size(); ++s) {
      if (!each[s]) {
        row.push_back("-");
        continue;
      }
      if (total) {
        row.push_back(FormatSharePercent(alone[s], area));
        continue;
      }
      const CSurfaceCoverage* own = FindSameSurface(*each[s], united.targets[r].target);
      const double watched = own ? own->watched : 0.0;
      alone[s] += watched;
      row.push_back(FormatSharePercent(watched, united.targets[r].coverage.area));
    }
    if (!total)
      area += united.targets[r].coverage.area;
    row.insert(row.end(), rows[r].begin() + 2, rows[r].end());
    table.rows.push_back(std::move(row));
  }
  return table;
}
