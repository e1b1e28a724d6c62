#include "WallCutaway.h"

#include "ItemGroup.h"
#include "ItemPolygon.h"
#include "PlanGeometry.h"
#include "PlanTargets.h"
#include "Project.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kOnWall = 1e-6;

// The part of the polygon at or below the height (one pass of
// Sutherland-Hodgman against a horizontal plane).
CVectorArray Below(const CVectorArray& polygon, double height)
{
  CVectorArray kept;
  for (size_t k = 0; k < polygon.size(); ++k) {
    const CVector& a = polygon[k];
    const CVector& b = polygon[(k + 1) % polygon.size()];
    if (a.z <= height)
      kept.push_back(a);
    if ((a.z - height) * (b.z - height) < 0.0)
      kept.push_back(a + (b - a) * ((height - a.z) / (b.z - a.z)));
  }
  return kept;
}

// Whether every vertex lies on the wall between its corners.
bool LiesOnWall(const CVectorArray& polygon, const CPlanPoint& a, const CPlanPoint& b)
{
  const double length = std::hypot(b.x - a.x, b.y - a.y);
  return std::all_of(polygon.begin(), polygon.end(), [&](const CVector& v) {
    const double along = ((v.x - a.x) * (b.x - a.x) + (v.y - a.y) * (b.y - a.y)) / length;
    const double off = ((v.x - a.x) * (b.y - a.y) - (v.y - a.y) * (b.x - a.x)) / length;
    return std::abs(off) < kOnWall && along > -kOnWall && along < length + kOnWall;
  });
}

} // namespace

std::vector<bool> WallsToCut(const CRoomPlan& plan, const CVector& eye)
{
  const double inside = SignedArea(plan.outline) > 0.0 ? 1.0 : -1.0;
  std::vector<bool> cut(plan.outline.size());
  for (size_t wall = 0; wall < cut.size(); ++wall) {
    const CPlanPoint& a = plan.outline[wall];
    const CPlanPoint& b = plan.outline[(wall + 1) % cut.size()];
    // Left of a -> b is inside for a counter-clockwise outline.
    const double side = (b.x - a.x) * (eye.y - a.y) - (b.y - a.y) * (eye.x - a.x);
    cut[wall] = side * inside < 0.0;
  }
  return cut;
}

CWallCutaway::CWallCutaway(CProject& project, const CRoomPlan& plan, const std::vector<bool>& cut)
{
  CItemGroup& root = project.GetRoot();
  const auto& paths = project.GetModules().m_cad1.m_paths;
  const auto* room = dynamic_cast<CItemGroup*>(
      root.FindByPath(paths[CModuleCAD1::kWallGroupField + static_cast<size_t>(plan.variant)]));
  const auto* results = dynamic_cast<CItemGroup*>(root.FindByPath(paths[CModuleCAD1::kResultsField]));
  if (!room)
    return;
  auto cutDown = [this](CItemPolygon& polygon) {
    m_saved.emplace_back(&polygon, polygon.m_vertices);
    polygon.m_vertices = Below(polygon.m_vertices, kSkirtingHeight);
  };
  const std::vector<CPlanTarget> targets = PlanTargets(plan);
  const auto& children = room->Children();
  for (size_t k = 0; k < targets.size() && k < children.size(); ++k) {
    auto* wall = dynamic_cast<CItemPolygon*>(children[k].get());
    if (wall && targets[k].kind == PlanSurface::Wall && cut[targets[k].wall] && wall->m_strName == targets[k].name)
      cutDown(*wall);
  }
  if (!results)
    return;
  for (const auto& child : results->Children())
    if (auto* patch = dynamic_cast<CItemPolygon*>(child.get()); patch && LiesOnCutWall(plan, cut, patch->m_vertices))
      cutDown(*patch);
}

bool LiesOnCutWall(const CRoomPlan& plan, const std::vector<bool>& cut, const CVectorArray& polygon)
{
  for (size_t wall = 0; wall < cut.size() && wall < plan.outline.size(); ++wall)
    if (cut[wall] && LiesOnWall(polygon, plan.outline[wall], plan.outline[(wall + 1) % plan.outline.size()]))
      return true;
  return false;
}

CVectorArray BelowSkirting(const CVectorArray& polygon)
{
  return Below(polygon, kSkirtingHeight);
}

CWallCutaway::~CWallCutaway()
{
  for (auto& [polygon, vertices] : m_saved)
    polygon->m_vertices = std::move(vertices);
}
