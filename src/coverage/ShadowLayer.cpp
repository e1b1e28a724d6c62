#include "ShadowLayer.h"

#include "Coverage.h"
#include "DetectionRun.h"
#include "FaceBatch.h"
#include "GLRegion.h"
#include "HeldStack.h"
#include "ItemGroup.h"
#include "ItemImport.h"
#include "ModuleCAD1.h"
#include "Project.h"
#include "SensorColours.h"
#include "SensorSet.h"
#include "SensorUnion.h"
#include "TextBuffer.h"
#include "WallCutaway.h"

#include <algorithm>
#include <span>

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

// Whether the entry is `outer` or lies inside it.
bool IsWithin(const CItemBase* entry, const CItemBase& outer)
{
  for (; entry; entry = entry->m_pParent)
    if (entry == &outer)
      return true;
  return false;
}

// The top-level entries of no sensor that hold no results group and nothing
// that drawing leaves out or hides: their drawing follows from their records.
// The further sensors' results lie in their own groups.
std::vector<CItemBase*> RoomEntries(CProject& project, const std::vector<std::string>& hidden)
{
  CItemGroup& root = project.GetRoot();
  std::vector<const CItemBase*> leftOut = {
      project.FindStalePatches(), root.FindByPath(project.GetModules().m_cad1.m_paths[CModuleCAD1::kResultsField])};
  for (const std::string& path : hidden)
    leftOut.push_back(root.FindByPath(path));
  std::vector<CItemBase*> room;
  for (const auto& child : root.Children()) {
    const bool holdsLeftOut = std::any_of(leftOut.begin(), leftOut.end(),
                                          [&child](const CItemBase* entry) { return IsWithin(entry, *child); });
    if (!holdsLeftOut && SensorOfEntry(project, *child) == 0)
      room.push_back(child.get());
  }
  return room;
}

// The records of the children of included and library models within the
// entry, which the records of their groups leave out.
void WriteImportedContent(CItemBase& entry, CTextBuffer& out)
{
  CItemGroup* group = entry.AsGroup();
  if (!group)
    return;
  const bool imported = dynamic_cast<CItemImport*>(&entry) != nullptr;
  for (const auto& child : group->Children()) {
    if (imported)
      child->WriteRecord(out, entry.m_strName);
    WriteImportedContent(*child, out);
  }
}

} // namespace

CShadowLayer::CShadowLayer(const CCoverage& coverage)
{
  for (const CTargetCoverage& entry : coverage.targets) {
    CTargetParts& target = m_targets.emplace_back();
    target.target = entry.target.vertices;
    CParts& visible =
        target.parts.emplace_back(CParts{false, kPatchFillColour, kPatchLineColour, false, {}, {}, {}, {}});
    Tessellate(entry.coverage.patchParts, visible, nullptr);
    CParts& shadowed =
        target.parts.emplace_back(CParts{true, Pale(kPatchFillColour), kPatchFillColour, false, {}, {}, {}, {}});
    Tessellate(entry.coverage.shadowed, shadowed, nullptr);
  }
}

CShadowLayer::CShadowLayer(const std::vector<CSensorPatches>& sensors, size_t current, const CShadowLayer* previous)
    : m_bPerSensor(true)
{
  if (sensors.empty())
    return;
  // The current sensor on top, the others by number.
  const CSensorPatches* top = nullptr;
  std::vector<const CSensorPatches*> others;
  for (const CSensorPatches& sensor : sensors) {
    if (sensor.sensor == current)
      top = &sensor;
    else
      others.push_back(&sensor);
    if (sensor.sensor > 1)
      m_drawnResults.push_back(sensor.strResults);
  }
  const CVector topColour = SensorColour(current);
  const std::vector<CPlanarRegion> none;
  const std::vector<CTargetCoverage>& rows = sensors.front().coverage.targets;
  for (size_t row = 0; row < rows.size(); ++row) {
    const CSceneTarget& target = rows[row].target;
    const CSurfaceCoverage* onTop = top ? FindSameSurface(top->coverage, target) : nullptr;
    CHeldParts held{current, {}, {}, {}, nullptr};
    for (const CSensorPatches* other : others)
      if (const CSurfaceCoverage* surface = FindSameSurface(other->coverage, target)) {
        held.sensors.push_back(other->sensor);
        held.visible.push_back(surface->patchParts);
        held.shadowed.push_back(surface->shadowed);
      }
    const CTargetParts* before =
        previous && row < previous->m_targets.size() && previous->m_targets[row].target == target.vertices
            ? &previous->m_targets[row]
            : nullptr;
    const bool keep = before && row < previous->m_held.size() && previous->m_held[row].SameParts(held);
    if (keep) {
      held.stack = previous->m_held[row].stack;
    } else {
      std::vector<const std::vector<CPlanarRegion>*> visible, shadowed;
      for (size_t k = 0; k < held.sensors.size(); ++k) {
        visible.push_back(&held.visible[k]);
        shadowed.push_back(&held.shadowed[k]);
      }
      held.stack = CHeldStack::Make(target.vertices, visible, shadowed);
    }
    // Visible parts of every sensor above any shadowed parts.
    std::vector<const std::vector<CPlanarRegion>*> sets;
    std::vector<CParts> parts;
    sets.push_back(onTop ? &onTop->patchParts : &none);
    parts.push_back({false, topColour, kPatchLineColour, true, {}, {}, {}, {}});
    for (size_t k = 0; k < held.sensors.size(); ++k) {
      const CVector colour = SensorColour(held.sensors[k]);
      sets.push_back(&held.visible[k]);
      parts.push_back({false, colour, colour * kOutlineShade, false, {}, {}, {}, {}});
    }
    sets.push_back(onTop ? &onTop->shadowed : &none);
    parts.push_back({true, Pale(topColour), topColour, false, {}, {}, {}, {}});
    for (size_t k = 0; k < held.sensors.size(); ++k) {
      const CVector colour = SensorColour(held.sensors[k]);
      sets.push_back(&held.shadowed[k]);
      parts.push_back({true, Pale(colour), colour, false, {}, {}, {}, {}});
    }
    std::optional<std::vector<std::vector<CPlanarRegion>>> stacked =
        held.stack ? held.stack->Under(*sets.front(), *sets[held.sensors.size() + 1]) : std::nullopt;
    CTargetParts& drawn = m_targets.emplace_back();
    drawn.target = target.vertices;
    for (size_t k = 0; k < parts.size(); ++k) {
      Tessellate(stacked ? (*stacked)[k] : *sets[k], parts[k], before);
      drawn.parts.push_back(std::move(parts[k]));
    }
    m_held.push_back(std::move(held));
  }
}

bool CShadowLayer::CHeldParts::SameParts(const CHeldParts& other) const
{
  return current == other.current && sensors == other.sensors && visible == other.visible && shadowed == other.shadowed;
}

void CShadowLayer::Tessellate(const std::vector<CPlanarRegion>& regions, CParts& parts,
                              const CTargetParts* before) const
{
  // The triangles of the same region in the previous layer; none when it has none.
  auto triangulatedBefore = [before](const CPlanarRegion& region) -> std::span<const CVector> {
    if (before)
      for (const CParts& kept : before->parts)
        for (size_t i = 0; i < kept.regions.size(); ++i)
          if (kept.regions[i] == region) {
            const size_t from = i == 0 ? 0 : kept.triangleEnds[i - 1];
            return std::span<const CVector>(kept.triangles).subspan(from, kept.triangleEnds[i] - from);
          }
    return {};
  };
  for (const CPlanarRegion& region : regions) {
    std::span<const CVector> kept = triangulatedBefore(region);
    if (kept.empty()) {
      const CVectorArray triangles = TriangulateRegion(region.outer, region.holes);
      parts.triangles.insert(parts.triangles.end(), triangles.begin(), triangles.end());
    } else {
      parts.triangles.insert(parts.triangles.end(), kept.begin(), kept.end());
    }
    if (m_bPerSensor) {
      parts.triangleEnds.push_back(parts.triangles.size());
      parts.regions.push_back(region);
    }
    parts.rings.push_back(region.outer);
    parts.rings.insert(parts.rings.end(), region.holes.begin(), region.holes.end());
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
  if (!project.ArePatchesCurrent() || (sensors && !sensors->AllPatchesCurrent()))
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
                      const CShadowLayer::CCutTest& isCut, const CSensorSet* sensors, const CEndRoom& endRoom)
{
  CItemGroup& root = project.GetRoot();
  {
    std::vector<std::string> hidden = sensors ? sensors->StalePatchGroups() : std::vector<std::string>();
    if (layer)
      hidden.insert(hidden.end(), layer->DrawnResults().begin(), layer->DrawnResults().end());
    CHiddenEntries notDrawn(root, hidden);
    if (endRoom) {
      const std::vector<CItemBase*> room = RoomEntries(project, hidden);
      auto inRoom = [&room](const CItemBase& top) { return std::find(room.begin(), room.end(), &top) != room.end(); };
      project.DrawTree(!layer, inRoom);
      CTextBuffer records;
      // The root's flags reach every entry (IsVisible, IsActive).
      records.Append(root.m_bVisible ? 'V' : 'v');
      records.Append(root.m_bActive ? 'A' : 'a');
      for (CItemBase* top : room) {
        top->WriteRecord(records, root.m_strName);
        WriteImportedContent(*top, records);
      }
      endRoom(records.HasOverflowed() ? std::nullopt : std::optional(records.View()));
      project.DrawTree(!layer, [&inRoom](const CItemBase& top) { return !inRoom(top); });
    } else {
      project.DrawTree(!layer);
    }
  }
  const CItemBase* results = root.FindByPath(project.GetModules().m_cad1.m_paths[CModuleCAD1::kResultsField]);
  if (layer && (layer->IsPerSensor() || (results && results->IsVisible())))
    layer->AddToScene(bShadowed, isCut);
}
