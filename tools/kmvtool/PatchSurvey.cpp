#include "PatchSurvey.h"

#include "Intersect.h"
#include "ItemPolygon.h"
#include "PolygonMeasure.h"
#include "Project.h"

#include <algorithm>
#include <cmath>

namespace {

// Distance from the plane that still counts as on it, relative to the
// target's size: the patches are computed as intersections with that plane.
constexpr double kPlaneTolerance = 1e-6;

const CItemGroup* FindGroup(CItemGroup& root, const std::string& path)
{
  if (path.empty())
    return nullptr;
  CItemBase* entry = root.FindByPath(path);
  return entry ? entry->AsGroup() : nullptr;
}

const CItemGroup* FindVisibleVariant(CItemGroup& root, const CModuleCAD1& cad1)
{
  for (size_t i = 0; i < 3; ++i)
    if (const CItemGroup* group = FindGroup(root, cad1.m_paths[i]); group && group->m_bVisible)
      return group;
  return nullptr;
}

bool LiesOn(const CVectorArray& patch, const CVector& centroid, const CVectorArray& target)
{
  if (target.size() < 3)
    return false;
  const CVector& origin = target[0];
  CVector normal = Cross(target[1] - origin, target[2] - origin);
  double length = normal.Length();
  if (!(length > 0.0))
    return false;
  normal = normal * (1.0 / length);
  double size = 1.0;
  for (const CVector& v : target)
    size = std::max(size, (v - origin).Length());
  for (const CVector& v : patch)
    if (!(std::fabs(normal.Dot(v - origin)) <= kPlaneTolerance * size))
      return false;
  return IsPointInPolygon(centroid, target) == 1;
}

std::string FindTarget(const CItemGroup* variant, const PatchInfo& patch, const CVectorArray& vertices)
{
  if (!variant)
    return {};
  for (const auto& child : variant->Children())
    if (const auto* target = dynamic_cast<const CItemPolygon*>(child.get());
        target && LiesOn(vertices, patch.centroid, target->m_vertices))
      return EntryPath(*target);
  return {};
}

} // namespace

std::vector<PatchInfo> SurveyPatches(CProject& project)
{
  std::vector<PatchInfo> patches;
  CItemGroup& root = project.GetRoot();
  const CModuleCAD1& cad1 = project.GetModules().m_cad1;
  const CItemGroup* results = FindGroup(root, cad1.m_paths[13]);
  if (!results)
    return patches;
  const CItemGroup* variant = FindVisibleVariant(root, cad1);
  for (const auto& child : results->Children()) {
    const auto* polygon = dynamic_cast<const CItemPolygon*>(child.get());
    if (!polygon)
      continue;
    PatchInfo patch;
    patch.strName = polygon->m_strName;
    patch.nVertices = polygon->m_vertices.size();
    patch.area = PolygonArea(polygon->m_vertices);
    patch.centroid = PolygonCentroid(polygon->m_vertices);
    patch.strTargetPath = FindTarget(variant, patch, polygon->m_vertices);
    patches.push_back(std::move(patch));
  }
  return patches;
}

std::string EntryPath(const CItemBase& entry)
{
  std::string path = entry.m_strName;
  for (const CItemBase* parent = entry.m_pParent; parent; parent = parent->m_pParent)
    path = parent->m_strName + "." + path;
  return path;
}
