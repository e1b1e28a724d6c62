#include "ReportContent.h"

#include "Coverage.h"
#include "CoverageFormat.h"
#include "CoverageMap.h"
#include "PatchSurvey.h"
#include "ReportZones.h"
#include "TableFigures.h"

#include <algorithm>
#include <map>

namespace {

std::string Count(size_t count)
{
  return std::to_string(count);
}

// A target surface as a region without holes; the map ignores its height.
CPlanarRegion Region(const CVectorArray& outline)
{
  return {outline, {}, 0.0};
}

// How the figures were measured, for the headings.
std::string Measure(bool bShadows)
{
  return bShadows ? " (sichtbare Teile)" : " (projiziert)";
}

CReportMap CollectMap(const CCoverage* coverage, const std::optional<CSensorPose>& sensor, bool bShadows)
{
  CReportMap map;
  map.strHeading = "\xDC"
                   "berdeckung der Bodenfl\xE4"
                   "chen" +
                   Measure(bShadows);
  std::vector<const CTargetCoverage*> floors =
      coverage ? FloorTargets(*coverage) : std::vector<const CTargetCoverage*>();
  if (floors.empty()) {
    map.strMissing = "Unter den Zielfl\xE4"
                     "chen ist keine Bodenfl\xE4"
                     "che.";
    return map;
  }
  map.strCaption = "Draufsicht: jede Erfassungsfl\xE4"
                   "che ist halb durchsichtig gezeichnet, wo sich mehrere \xFC"
                   "berdecken, wird es dunkler; grau ist nicht erfasst";
  map.strCaption += bShadows ? ", blau ist verdeckt (im Schatten anderer Zielfl\xE4"
                               "chen)."
                             : ".";
  CMapLayer ground{"nicht erfasst", MapStyle::Ground, {222, 222, 222}, {}};
  CMapLayer shadowed{"verdeckt (im Schatten)", MapStyle::Ground, {170, 195, 230}, {}};
  CMapLayer patches{"Erfassungsfl\xE4"
                    "che",
                    MapStyle::Translucent,
                    {255, 128, 0},
                    {}};
  CMapLayer others{"W\xE4nde und M\xF6"
                   "bel (Zielfl\xE4"
                   "chen)",
                   MapStyle::Outline,
                   {60, 60, 60},
                   {}};
  for (const CTargetCoverage* floor : floors) {
    ground.regions.push_back(Region(floor->target.vertices));
    shadowed.regions.insert(shadowed.regions.end(), floor->coverage.shadowed.begin(), floor->coverage.shadowed.end());
    patches.regions.insert(patches.regions.end(), floor->coverage.patchParts.begin(), floor->coverage.patchParts.end());
  }
  for (const CTargetCoverage& entry : coverage->targets)
    if (std::find(floors.begin(), floors.end(), &entry) == floors.end())
      others.regions.push_back(Region(entry.target.vertices));
  map.layers.push_back(std::move(ground));
  // Without shadows nothing is hidden: no such colour in the legend.
  if (bShadows)
    map.layers.push_back(std::move(shadowed));
  map.layers.push_back(std::move(patches));
  map.layers.push_back(std::move(others));
  map.sensor = sensor;
  return map;
}

// Each target's path to its name as the tree shows it.
using CTargetNames = std::map<std::string, std::string>;

CTargetNames NameTargets(const std::optional<CCoverage>& coverage)
{
  CTargetNames names;
  if (!coverage)
    return names;
  std::vector<std::string> paths;
  for (const CTargetCoverage& entry : coverage->targets)
    paths.push_back(entry.target.strPath);
  std::vector<std::string> shown = SurfaceDisplayNames(paths);
  for (size_t i = 0; i < paths.size(); ++i)
    names[paths[i]] = shown[i];
  return names;
}

CReportTable CollectSurfaces(const std::optional<CCoverage>& coverage, const CTargetNames& names, bool bShadows)
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
    table.rows.push_back({names.at(entry.target.strPath), FormatReadableArea(c.area), FormatReadableArea(c.watched),
                          FormatSharePercent(c.watched, c.area), Count(c.blindSpots.size()),
                          FormatReadableArea(c.blindArea)});
    if (bShadows)
      table.rows.back().push_back(FormatReadableArea(c.hidden));
    hidden += c.hidden;
    area += c.area;
    watched += c.watched;
    blindArea += c.blindArea;
    blindSpots += c.blindSpots.size();
    uncounted += c.nSkipped;
  }
  table.bTotalRow = !table.rows.empty();
  if (table.bTotalRow)
    table.rows.push_back({"alle Fl\xE4"
                          "chen",
                          FormatReadableArea(area), FormatReadableArea(watched), FormatSharePercent(watched, area),
                          Count(blindSpots), FormatReadableArea(blindArea)});
  if (table.bTotalRow && bShadows)
    table.rows.back().push_back(FormatReadableArea(hidden));
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

CReportTable CollectPatches(const std::vector<PatchInfo>& patches, const CTargetNames& names)
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
    table.rows.push_back({patch.strName, names.contains(patch.strTargetPath) ? names.at(patch.strTargetPath) : "-",
                          FormatReadableArea(patch.area)});
  return table;
}

} // namespace

CReportContent CollectReportContent(CProject& project, bool bShadows, double height)
{
  CReportContent content;
  std::optional<CCoverage> coverage = AnalyseCoverage(project, bShadows, height);
  content.map = CollectMap(coverage ? &*coverage : nullptr, FindSensorPose(project), bShadows);
  CTargetNames names = NameTargets(coverage);
  content.surfaces = CollectSurfaces(coverage, names, bShadows);
  content.patches = CollectPatches(SurveyPatches(project), names);
  content.zones = CollectZoneTable(project, coverage);
  return content;
}
