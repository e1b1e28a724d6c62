#include "CoverageScene.h"

#include "DetectionEntries.h"
#include "DetectionRun.h"
#include "ItemGroup.h"
#include "ItemPoint.h"
#include "ItemPolygon.h"
#include "ItemWord.h"
#include "ModuleCAD1.h"
#include "PlaneFrame.h"

#include <algorithm>
#include <cmath>

namespace {

std::vector<const CItemPolygon*> PolygonChildren(const CItemGroup& group)
{
  std::vector<const CItemPolygon*> polygons;
  for (const auto& child : group.Children())
    if (const auto* polygon = dynamic_cast<const CItemPolygon*>(child.get()))
      polygons.push_back(polygon);
  return polygons;
}

// The recorded indices fit only the run that made these very patches.
bool TargetsFit(const CPatchTargets& recorded, int variant, const std::vector<const CItemPolygon*>& targets,
                const std::vector<const CItemPolygon*>& patches)
{
  if (recorded.nVariant != variant || recorded.nTargets != targets.size() || recorded.indices.size() != patches.size())
    return false;
  for (size_t k = 0; k < patches.size(); ++k)
    if (recorded.indices[k] >= targets.size() || patches[k]->m_strName != "Poly" + std::to_string(k + 1))
      return false;
  return true;
}

} // namespace

std::optional<CCoverageScene> CollectCoverageScene(CItemGroup& root, const CModuleCAD1& cad1)
{
  CDetectionEntries entries;
  if (!entries.Resolve(root, cad1.m_paths))
    return std::nullopt;
  int variant = entries.pVariant->m_nValue;
  if (variant < 0 || variant > 2)
    return std::nullopt;
  std::vector<const CItemPolygon*> targets = PolygonChildren(*entries.variantGroups[static_cast<size_t>(variant)]);
  std::vector<const CItemPolygon*> patches = PolygonChildren(*entries.pResults);

  CCoverageScene scene;
  const CMatrix& element = entries.pElement->m_matrix;
  scene.centre = {element[12], element[13], element[14]};
  scene.facets = WatchingFacets(entries);
  scene.bTargetsKnown = TargetsFit(cad1.PatchTargets(), variant, targets, patches);
  for (const CItemPolygon* target : targets)
    scene.targets.push_back({EntryPath(*target), target->m_vertices});
  for (size_t k = 0; k < patches.size(); ++k)
    scene.patches.push_back({patches[k]->m_strName, patches[k]->m_vertices,
                             scene.bTargetsKnown ? cad1.PatchTargets().indices[k] : kNoTarget});
  return scene;
}

std::string EntryPath(const CItemBase& entry)
{
  std::string path = entry.m_strName;
  for (const CItemBase* parent = entry.m_pParent; parent; parent = parent->m_pParent)
    path = parent->m_strName + "." + path;
  return path;
}

std::string LinkPath(std::string path)
{
  std::replace(path.begin(), path.end(), ' ', '_');
  return path;
}

bool IsFloorTarget(const CVectorArray& vertices)
{
  std::optional<CPlaneFrame> frame = MakePlaneFrame(vertices);
  return frame && frame->normal.z > 0.999 &&
         std::all_of(vertices.begin(), vertices.end(), [](const CVector& v) { return std::fabs(v.z) <= 1e-6; });
}
