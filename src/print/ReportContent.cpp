#include "ReportContent.h"

#include "Coverage.h"
#include "CoverageFormat.h"
#include "CoverageMap.h"
#include "PatchSurvey.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr double kFirstCell = 0.05;
// Most cells along a side of the printed map: a cell stays at least a pixel.
constexpr int kPrintedMapCells = 400;
// Doublings of the cell before the map is given up (a floor of absurd size).
constexpr int kMaxCellDoublings = 64;

std::string Count(size_t count)
{
  return std::to_string(count);
}

// Square metres to the thousandth: exact enough for a plan, and the columns
// stay narrow beside the surface's path.
std::string Area(double area)
{
  char text[512];
  std::snprintf(text, sizeof text, "%.3f", area);
  return text;
}

// How the figures were measured, for the headings.
std::string Measure(bool bShadows)
{
  return bShadows ? " (sichtbare Teile)" : " (projiziert)";
}

CReportMap CollectMap(const std::vector<const CTargetCoverage*>& floors, bool bShadows)
{
  CReportMap map;
  map.strHeading = "\xDC"
                   "berdeckung der Bodenfl\xE4"
                   "chen" +
                   Measure(bShadows);
  if (floors.empty()) {
    map.strMissing = "Unter den Zielfl\xE4"
                     "chen ist keine Bodenfl\xE4"
                     "che.";
    return map;
  }
  double cell = kFirstCell;
  for (int doubling = 0; doubling < kMaxCellDoublings; ++doubling, cell *= 2.0) {
    std::optional<CMapGrid> grid = PlanMapGrid(floors, cell);
    if (!grid || std::max(grid->cols, grid->rows) > kPrintedMapCells)
      continue;
    char caption[256];
    std::snprintf(caption, sizeof caption,
                  "Draufsicht: jede Zelle von %g m ist nach der Zahl der Erfassungsfl\xE4"
                  "chen \xFC"
                  "ber ihrer Mitte gef\xE4rbt, grau ist nicht erfasst.",
                  cell);
    map.strCaption = caption;
    map.image = DrawCoverageMap(CountPatches(floors, *grid), *grid);
    return map;
  }
  map.strMissing = "Die Bodenfl\xE4"
                   "chen sind f\xFCr eine Karte zu gro\xDF.";
  return map;
}

CReportTable CollectSurfaces(const std::optional<CCoverage>& coverage, bool bShadows)
{
  CReportTable table;
  table.strHeading = "Abdeckung der Zielfl\xE4"
                     "chen" +
                     Measure(bShadows);
  table.columns = {{"Zielfl\xE4"
                    "che",
                    bShadows ? 0.41 : 0.51, false},
                   {"Fl\xE4"
                    "che (m\xB2)",
                    0.10, true},
                   {"erfasst (m\xB2)", 0.10, true},
                   {"Anteil (%)", 0.08, true},
                   {"L\xFC"
                    "cken",
                    0.08, true},
                   {"L\xFC"
                    "ckenfl\xE4"
                    "che (m\xB2)",
                    0.13, true}};
  if (bShadows)
    table.columns.push_back({"verdeckt (m\xB2)", 0.10, true});
  table.strEmpty = "Keine Zielfl\xE4"
                   "chen.";
  if (!coverage)
    return table;
  double area = 0.0, watched = 0.0, blindArea = 0.0, hidden = 0.0;
  size_t blindSpots = 0, uncounted = coverage->nUnassigned;
  for (const CTargetCoverage& entry : coverage->targets) {
    const CSurfaceCoverage& c = entry.coverage;
    table.rows.push_back({LinkPath(entry.target.strPath), Area(c.area), Area(c.watched),
                          FormatSharePercent(c.watched, c.area), Count(c.blindSpots.size()), Area(c.blindArea)});
    if (bShadows)
      table.rows.back().push_back(Area(c.hidden));
    hidden += c.hidden;
    area += c.area;
    watched += c.watched;
    blindArea += c.blindArea;
    blindSpots += c.blindSpots.size();
    uncounted += c.nSkipped;
  }
  table.bTotalRow = !table.rows.empty();
  if (table.bTotalRow)
    table.rows.push_back(
        {"Summe", Area(area), Area(watched), FormatSharePercent(watched, area), Count(blindSpots), Area(blindArea)});
  if (table.bTotalRow && bShadows)
    table.rows.back().push_back(Area(hidden));
  if (bShadows)
    table.notes.push_back("Sichtbare Teile: was eine andere Zielfl\xE4"
                          "che vor dem Sensorelement verdeckt, z\xE4hlt nicht als erfasst.");
  else
    table.notes.push_back("Projiziert: CAD1 wirft keine Schatten, eine Erfassungsfl\xE4"
                          "che verdeckt keine andere.");
  if (uncounted > 0)
    table.notes.push_back("Nicht gez\xE4hlt: " + Count(uncounted) +
                          " Erfassungsfl\xE4"
                          "chen ohne bekannte Zielfl\xE4"
                          "che oder ohne auswertbare Form.");
  return table;
}

CReportTable CollectPatches(const std::vector<PatchInfo>& patches)
{
  CReportTable table;
  table.strHeading = "Erfassungsfl\xE4"
                     "chen";
  table.columns = {{"Name", 0.25, false},
                   {"Zielfl\xE4"
                    "che",
                    0.6, false},
                   {"Fl\xE4"
                    "che (m\xB2)",
                    0.15, true}};
  table.strEmpty = "Keine Erfassungsfl\xE4"
                   "chen.";
  for (const PatchInfo& patch : patches)
    table.rows.push_back(
        {patch.strName, patch.strTargetPath.empty() ? "-" : LinkPath(patch.strTargetPath), Area(patch.area)});
  return table;
}

} // namespace

CReportContent CollectReportContent(CProject& project, bool bShadows)
{
  CReportContent content;
  std::optional<CCoverage> coverage = AnalyseCoverage(project, bShadows);
  content.map = CollectMap(coverage ? FloorTargets(*coverage) : std::vector<const CTargetCoverage*>(), bShadows);
  content.surfaces = CollectSurfaces(coverage, bShadows);
  content.patches = CollectPatches(SurveyPatches(project));
  return content;
}
