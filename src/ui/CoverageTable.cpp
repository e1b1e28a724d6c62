#include "CoverageTable.h"

#include "TextEncoding.h"

#include <algorithm>
#include <cstdio>

namespace {

// Square metres as kmvtool coverage prints them.
std::string SquareMetres(double area)
{
  // Room for the widest double in "%f".
  char text[512];
  std::snprintf(text, sizeof text, "%.6f", area);
  return text;
}

// 100 x watched / area as kmvtool coverage prints it, "0.0" without area.
std::string SharePercent(double watched, double area)
{
  char text[512];
  std::snprintf(text, sizeof text, "%.1f", area > 0.0 ? 100.0 * watched / area : 0.0);
  return text;
}

} // namespace

std::vector<CCoverageRow> CoverageTableRows(const CCoverage& coverage)
{
  std::vector<CCoverageRow> rows;
  double area = 0.0;
  double watched = 0.0;
  size_t blindSpots = 0;
  int overlap = 0;
  for (const CTargetCoverage& entry : coverage.targets) {
    const CSurfaceCoverage& c = entry.coverage;
    rows.push_back({Cp1252ToUtf8(LinkPath(entry.target.strPath)), SquareMetres(c.area), SquareMetres(c.watched),
                    SharePercent(c.watched, c.area), std::to_string(c.blindSpots.size()), std::to_string(c.overlap)});
    area += c.area;
    watched += c.watched;
    blindSpots += c.blindSpots.size();
    overlap = std::max(overlap, c.overlap);
  }
  rows.push_back({"Gesamt", SquareMetres(area), SquareMetres(watched), SharePercent(watched, area),
                  std::to_string(blindSpots), std::to_string(overlap)});
  return rows;
}
