#include "CoverageTable.h"

#include "CoverageFormat.h"
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
