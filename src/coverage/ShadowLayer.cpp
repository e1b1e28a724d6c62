#include "ShadowLayer.h"

#include "Coverage.h"
#include "DetectionRun.h"
#include "FaceBatch.h"
#include "GLRegion.h"
#include "ItemGroup.h"
#include "ModuleCAD1.h"
#include "Project.h"
#include "SensorColours.h"
#include "SensorSet.h"
#include "SensorUnion.h"
#include "StackedRegions.h"
#include "WallCutaway.h"

namespace {

// The patches' colour mixed this far towards white.
constexpr double kPaleness = 0.7;
// The outlines of a sensor that is not the current one: its colour this dark.
constexpr double kOutlineShade = 0.55;

const CMatrix kWorld;

CVector Pale(const CVector& colour)
{
  return colour + (CVector{1.0, 1.0, 1.0} - colour) * kPaleness;
}

void Tessellate(const std::vector<CPlanarRegion>& regions, CVectorArray& triangles, std::vector<CVectorArray>& rings)
{
  for (const CPlanarRegion& region : regions) {
    CVectorArray part = TriangulateRegion(region.outer, region.holes);
    triangles.insert(triangles.end(), part.begin(), part.end());
    rings.push_back(region.outer);
    rings.insert(rings.end(), region.holes.begin(), region.holes.end());
  }
}

// Hides entries for as long as it lives.
class CHiddenEntries {
public:
  CHiddenEntries(CItemGroup& root, const std::vector<std::string>& paths)
  {
    for (const std::string& path : paths)
      if (CItemBase* entry = root.FindByPath(path); entry && entry != &root && entry->m_bVisible) {
        entry->m_bVisible = 0;
        m_hidden.push_back(entry);
      }
  }
  ~CHiddenEntries()
  {
    for (CItemBase* entry : m_hidden)
      entry->m_bVisible = 1;
  }
  CHiddenEntries(const CHiddenEntries&) = delete;
  CHiddenEntries& operator=(const CHiddenEntries&) = delete;

private:
  std::vector<CItemBase*> m_hidden;
};

} // namespace

CShadowLayer::CShadowLayer(const CCoverage& coverage)
{
  for (const CTargetCoverage& entry : coverage.targets) {
    CTargetParts& target = m_targets.emplace_back();
    target.target = entry.target.vertices;
    CParts& visible = target.parts.emplace_back(CParts{false, kPatchFillColour, kPatchLineColour, false, {}, {}});
    Tessellate(entry.coverage.patchParts, visible.triangles, visible.rings);
    CParts& shadowed = target.parts.emplace_back(CParts{true, Pale(kPatchFillColour), kPatchFillColour, false, {}, {}});
    Tessellate(entry.coverage.shadowed, shadowed.triangles, shadowed.rings);
  }
}

CShadowLayer::CShadowLayer(const std::vector<CSensorPatches>& sensors, size_t current) : m_bPerSensor(true)
{
  if (sensors.empty())
    return;
  // The current sensor first, the others by number.
  std::vector<const CSensorPatches*> order;
  for (const CSensorPatches& sensor : sensors)
    if (sensor.sensor == current)
      order.push_back(&sensor);
  for (const CSensorPatches& sensor : sensors) {
    if (sensor.sensor != current)
      order.push_back(&sensor);
    if (sensor.sensor > 1)
      m_drawnResults.push_back(sensor.strResults);
  }
  for (const CTargetCoverage& row : sensors.front().coverage.targets) {
    // Visible parts of every sensor above any shadowed parts.
    std::vector<const std::vector<CPlanarRegion>*> sets;
    std::vector<CParts> parts;
    for (bool shadowed : {false, true})
      for (const CSensorPatches* sensor : order)
        if (const CSurfaceCoverage* surface = FindSameSurface(sensor->coverage, row.target)) {
          const CVector colour = SensorColour(sensor->sensor);
          const bool isCurrent = sensor->sensor == current;
          sets.push_back(shadowed ? &surface->shadowed : &surface->patchParts);
          if (shadowed)
            parts.push_back({true, Pale(colour), colour, false, {}, {}});
          else
            parts.push_back({false, colour, isCurrent ? kPatchLineColour : colour * kOutlineShade, isCurrent, {}, {}});
        }
    std::optional<std::vector<std::vector<CPlanarRegion>>> stacked = StackRegions(row.target.vertices, sets);
    CTargetParts& target = m_targets.emplace_back();
    target.target = row.target.vertices;
    for (size_t k = 0; k < parts.size(); ++k) {
      Tessellate(stacked ? (*stacked)[k] : *sets[k], parts[k].triangles, parts[k].rings);
      target.parts.push_back(std::move(parts[k]));
    }
  }
}

void CShadowLayer::AddToScene(bool bShadowed, const CCutTest& isCut) const
{
  for (const CTargetParts& target : m_targets) {
    bool cut = isCut && isCut(target.target);
    for (const CParts& parts : target.parts)
      if (bShadowed || !parts.bShadowed)
        AddParts(parts, cut);
  }
}

void CShadowLayer::AddParts(const CParts& parts, bool cut)
{
  // In the patches' own depth layer, in front of the surfaces they lie on.
  constexpr bool kFront = true;
  CVectorArray triangle(3);
  for (size_t i = 0; i + 2 < parts.triangles.size(); i += 3) {
    triangle.assign(parts.triangles.begin() + static_cast<std::ptrdiff_t>(i),
                    parts.triangles.begin() + static_cast<std::ptrdiff_t>(i + 3));
    CVector normal = Cross(triangle[1] - triangle[0], triangle[2] - triangle[0]);
    DeferFill(kWorld, cut ? BelowSkirting(triangle) : triangle, normal, parts.fill, kFront);
  }
  for (const CVectorArray& ring : parts.rings) {
    const CVectorArray& drawn = cut ? BelowSkirting(ring) : ring;
    if (parts.bBold)
      DeferBoldOutline(kWorld, drawn, parts.line);
    else
      DeferOutline(kWorld, drawn, parts.line, kFront);
  }
}

std::optional<std::vector<CSensorPatches>> SensorPatchesOf(CProject& project, CSensorSet& sensors,
                                                           const std::vector<std::optional<CCoverage>>& each)
{
  std::vector<CSensorPatches> shown;
  for (size_t sensor = 1; sensor <= sensors.Count() && sensor <= each.size(); ++sensor) {
    const std::string& results = sensors.Modules(sensor).m_cad1.m_paths[CModuleCAD1::kResultsField];
    const CItemBase* group = project.GetRoot().FindByPath(results);
    if (!group || !group->IsVisible())
      continue;
    const std::optional<CCoverage>& coverage = each[sensor - 1];
    if (!coverage || coverage->nUnassigned != 0)
      return std::nullopt;
    shown.push_back({sensor, *coverage, results});
  }
  return shown;
}

std::optional<std::vector<CSensorPatches>> CollectSensorPatches(CProject& project, CSensorSet& sensors, double height)
{
  return SensorPatchesOf(project, sensors, AnalyseEachSensor(project, sensors, true, height));
}

std::optional<CShadowLayer> MakeShadowLayer(CProject& project, CSensorSet* sensors, size_t current)
{
  if (!project.ArePatchesCurrent())
    return std::nullopt;
  if (sensors && sensors->Count() > 1) {
    std::optional<std::vector<CSensorPatches>> each = CollectSensorPatches(project, *sensors);
    return each ? std::optional<CShadowLayer>(CShadowLayer(*each, current)) : std::nullopt;
  }
  std::optional<CCoverage> coverage = AnalyseCoverage(project);
  if (!coverage || coverage->nUnassigned != 0)
    return std::nullopt;
  return CShadowLayer(*coverage);
}

void DrawProjectScene(CProject& project, const std::optional<CShadowLayer>& layer, bool bShadowed,
                      const CShadowLayer::CCutTest& isCut)
{
  {
    CHiddenEntries drawnByLayer(project.GetRoot(), layer ? layer->DrawnResults() : std::vector<std::string>());
    project.DrawTree(!layer);
  }
  const CItemBase* results =
      project.GetRoot().FindByPath(project.GetModules().m_cad1.m_paths[CModuleCAD1::kResultsField]);
  if (layer && (layer->IsPerSensor() || (results && results->IsVisible())))
    layer->AddToScene(bShadowed, isCut);
}
