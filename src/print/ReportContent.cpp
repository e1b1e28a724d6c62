#include "ReportContent.h"

#include "Coverage.h"
#include "CoverageFormat.h"
#include "CoverageMap.h"
#include "MapFont.h"
#include "PatchSurvey.h"
#include "Project.h"
#include "ReportZones.h"
#include "RoomPlan.h"
#include "SensorSet.h"
#include "SensorUnion.h"
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

CReportTable CollectPatches(const std::vector<PatchInfo>& patches, const CTargetNames& names,
                            const std::string& prefix = {})
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
    table.rows.push_back({prefix + patch.strName,
                          names.contains(patch.strTargetPath) ? names.at(patch.strTargetPath) : "-",
                          FormatReadableArea(patch.area)});
  return table;
}

// Map cells as "kmvtool coverage --map" draws them, coarser where the floors
// span more than about 600 cells.
constexpr double kCountCell = 0.05;
constexpr int kCountCellsAcross = 600;

CCountMap CollectCountMap(const std::optional<CCoverage>& united, size_t sensors)
{
  CCountMap map;
  map.strHeading = "Anzahl der Sensoren je Punkt der Bodenfl\xE4"
                   "chen";
  std::vector<const CTargetCoverage*> floors = united ? FloorTargets(*united) : std::vector<const CTargetCoverage*>();
  std::optional<CMapGrid> grid = FittedMapGrid(floors, kCountCell, kCountCellsAcross);
  std::string error;
  std::unique_ptr<CMapFont> font = CMapFont::Open(kMapFontPixels, error);
  if (floors.empty() || !grid || !font) {
    map.strMissing = floors.empty() ? "Unter den Zielfl\xE4"
                                      "chen ist keine Bodenfl\xE4"
                                      "che."
                                    : "Keine Karte: " + error;
    return map;
  }
  map.strCaption = "Draufsicht: die Farbe z\xE4hlt die Sensoren, die einen Punkt erfassen (0, 1, 2, 3 und mehr).";
  map.picture = DrawCoverageMap(*united, *grid, *font, sensors);
  return map;
}

const char* VariantName(RoomVariant variant)
{
  switch (variant) {
  case RoomVariant::Wall:
    return "Wand";
  case RoomVariant::Ceiling:
    return "Decke";
  case RoomVariant::Corner:
    return "Ecke";
  }
  return "-";
}

CSensorPage CollectSensorPage(CProject& project, CSensorSet& sensors, size_t sensor, const SensorValues& values,
                              const std::optional<CCoverage>& coverage, bool bShadows)
{
  CSensorPage page;
  const std::string name = "Sensor " + std::to_string(sensor);
  page.strHeading = name;
  if (std::optional<CRoomPlan> plan = SensorPlan(project, sensor))
    page.settings.push_back(std::string("Montageart: ") + VariantName(plan->variant));
  page.settings.push_back(FormatSensorHeader(values));
  page.map = CollectMap(coverage ? &*coverage : nullptr,
                        FindSensorPose(project.GetRoot(), sensors.Modules(sensor).m_cad1), bShadows);
  page.map.strHeading = "Erfassungsfl\xE4"
                        "chen von " +
                        name + " am Boden";
  page.surfaces = CollectSurfaces(coverage, NameTargets(coverage), bShadows);
  page.surfaces.strHeading = "Abdeckung durch " + name + Measure(bShadows);
  return page;
}

// Each sensor's page, the count map and the union's tables.
CReportContent CollectSensorsContent(CProject& project, CSensorSet& sensors, bool bShadows, double height)
{
  // Reading the settings reruns each CAD1: before the patches are measured.
  std::vector<SensorValues> values;
  for (size_t sensor = 1; sensor <= sensors.Count(); ++sensor)
    values.push_back(sensors.ReadValues(sensor));
  std::vector<std::optional<CCoverage>> each = AnalyseEachSensor(project, sensors, bShadows, height);
  std::optional<CCoverage> united = UniteSensors(each);

  CReportContent content;
  for (size_t sensor = 1; sensor <= sensors.Count(); ++sensor)
    content.sensors.push_back(
        CollectSensorPage(project, sensors, sensor, values[sensor - 1], each[sensor - 1], bShadows));
  content.counts = CollectCountMap(united, sensors.Count());
  content.surfaces = CollectSurfaces(united, NameTargets(united), bShadows);
  content.surfaces.strHeading = "Abdeckung der Zielfl\xE4"
                                "chen durch alle Sensoren" +
                                Measure(bShadows);
  content.surfaces.notes.insert(content.surfaces.notes.begin(),
                                "Alle Sensoren zusammen: erfasst ist, was mindestens einer erfasst.");
  // Each sensor's patches lie on the surfaces of its own variant's group.
  content.patches = CollectPatches({}, {});
  for (size_t sensor = 1; sensor <= sensors.Count(); ++sensor) {
    CReportTable own = CollectPatches(SurveyPatches(project.GetRoot(), sensors.Modules(sensor).m_cad1),
                                      NameTargets(each[sensor - 1]), "Sensor " + std::to_string(sensor) + ": ");
    content.patches.rows.insert(content.patches.rows.end(), own.rows.begin(), own.rows.end());
  }
  content.zones = CollectZoneTable(project, united);
  return content;
}

} // namespace

CReportContent CollectReportContent(CProject& project, bool bShadows, double height)
{
  CSensorSet sensors(project);
  if (sensors.Count() >= 2)
    return CollectSensorsContent(project, sensors, bShadows, height);
  CReportContent content;
  std::optional<CCoverage> coverage = AnalyseCoverage(project, bShadows, height);
  content.map = CollectMap(coverage ? &*coverage : nullptr, FindSensorPose(project), bShadows);
  CTargetNames names = NameTargets(coverage);
  content.surfaces = CollectSurfaces(coverage, names, bShadows);
  content.patches = CollectPatches(SurveyPatches(project), names);
  content.zones = CollectZoneTable(project, coverage);
  return content;
}
