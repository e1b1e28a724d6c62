#include "WallCutaway.h"

#include "ItemGroup.h"
#include "ItemImport.h"
#include "ItemPolygon.h"
#include "ModelResources.h"
#include "PlanEntries.h"
#include "PlanGeometry.h"
#include "PolygonMeasure.h"
#include "Project.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr double kOnWall = 1e-6;
// A surface whose normal rises less than this share of its length stands upright.
constexpr double kUpright = 1e-9;

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
bool LiesOnWall(const CVectorArray& polygon, const CWallFoot& wall)
{
  const CPlanPoint& a = wall.a;
  const CPlanPoint& b = wall.b;
  const double length = std::hypot(b.x - a.x, b.y - a.y);
  return std::all_of(polygon.begin(), polygon.end(), [&](const CVector& v) {
    const double along = ((v.x - a.x) * (b.x - a.x) + (v.y - a.y) * (b.y - a.y)) / length;
    const double off = ((v.x - a.x) * (b.y - a.y) - (v.y - a.y) * (b.x - a.x)) / length;
    return std::abs(off) < kOnWall && along > -kOnWall && along < length + kOnWall;
  });
}

// Whether the surface lies on a wall marked in cut and faces into the room,
// as the wall's own surfaces do (an obstacle's side against it faces away).
bool IsPartOfCutWall(const std::vector<CWallFoot>& walls, const std::vector<bool>& cut, const CVectorArray& surface)
{
  const CVector normal = TwiceVectorArea(surface);
  for (size_t k = 0; k < walls.size() && k < cut.size(); ++k) {
    const CWallFoot& wall = walls[k];
    const double intoRoom = (wall.a.y - wall.b.y) * normal.x + (wall.b.x - wall.a.x) * normal.y;
    if (cut[k] && intoRoom > 0.0 && LiesOnWall(surface, wall))
      return true;
  }
  return false;
}

// The foot of an upright surface whose normal points into the room.
std::optional<CWallFoot> UprightFoot(const CVectorArray& surface)
{
  const CVector normal = TwiceVectorArea(surface);
  const double across = std::hypot(normal.x, normal.y);
  if (!(across > 0.0) || std::abs(normal.z) > kUpright * across)
    return std::nullopt;
  const CVector along{normal.y / across, -normal.x / across, 0.0};
  const auto [first, last] =
      std::minmax_element(surface.begin(), surface.end(),
                          [&along](const CVector& p, const CVector& q) { return p.Dot(along) < q.Dot(along); });
  return CWallFoot{{first->x, first->y}, {last->x, last->y}};
}

// The mounting variant's room that CAD1 last showed.
CItemGroup* VisibleRoom(CProject& project)
{
  const auto& paths = project.GetModules().m_cad1.m_paths;
  for (size_t k = 0; k < 3; ++k)
    if (auto* room = dynamic_cast<CItemGroup*>(project.GetRoot().FindByPath(paths[CModuleCAD1::kWallGroupField + k]));
        room && room->m_bVisible)
      return room;
  return nullptr;
}

} // namespace

std::vector<CWallFoot> PlanWalls(const CRoomPlan& plan)
{
  const bool clockwise = SignedArea(plan.outline) < 0.0;
  std::vector<CWallFoot> walls;
  for (size_t k = 0; k < plan.outline.size(); ++k) {
    const CPlanPoint& a = plan.outline[k];
    const CPlanPoint& b = plan.outline[(k + 1) % plan.outline.size()];
    walls.push_back(clockwise ? CWallFoot{b, a} : CWallFoot{a, b});
  }
  return walls;
}

std::vector<CWallFoot> FindRoomWalls(CProject& project)
{
  if (std::optional<CRoomPlan> plan = FindRoomPlan(project))
    return PlanWalls(*plan);
  const CItemGroup* room = VisibleRoom(project);
  const auto* scene = room ? dynamic_cast<const CItemLibrary*>(room->m_pParent) : nullptr;
  if (!scene || FindLibraryModelCode(scene->m_strLibraryName) == 0)
    return {};
  std::vector<CWallFoot> walls;
  for (const auto& child : room->Children())
    if (const auto* surface = dynamic_cast<const CItemPolygon*>(child.get()))
      if (std::optional<CWallFoot> foot = UprightFoot(surface->m_vertices))
        walls.push_back(*foot);
  return walls;
}

std::vector<bool> WallsToCut(const std::vector<CWallFoot>& walls, const CVector& eye)
{
  std::vector<bool> cut(walls.size());
  for (size_t k = 0; k < walls.size(); ++k) {
    const CPlanPoint& a = walls[k].a;
    const CPlanPoint& b = walls[k].b;
    cut[k] = (b.x - a.x) * (eye.y - a.y) - (b.y - a.y) * (eye.x - a.x) < 0.0;
  }
  return cut;
}

CWallCutaway::CWallCutaway(CProject& project, const std::vector<CWallFoot>& walls, const std::vector<bool>& cut)
{
  if (std::find(cut.begin(), cut.end(), true) == cut.end())
    return;
  auto cutDown = [this](CItemPolygon& polygon) {
    m_saved.emplace_back(&polygon, polygon.m_vertices);
    polygon.m_vertices = Below(polygon.m_vertices, kSkirtingHeight);
  };
  if (CItemGroup* room = VisibleRoom(project))
    for (const auto& child : room->Children())
      if (auto* surface = dynamic_cast<CItemPolygon*>(child.get());
          surface && IsPartOfCutWall(walls, cut, surface->m_vertices))
        cutDown(*surface);
  const auto* results = dynamic_cast<CItemGroup*>(
      project.GetRoot().FindByPath(project.GetModules().m_cad1.m_paths[CModuleCAD1::kResultsField]));
  if (!results)
    return;
  for (const auto& child : results->Children())
    if (auto* patch = dynamic_cast<CItemPolygon*>(child.get()); patch && LiesOnCutWall(walls, cut, patch->m_vertices))
      cutDown(*patch);
}

bool LiesOnCutWall(const std::vector<CWallFoot>& walls, const std::vector<bool>& cut, const CVectorArray& polygon)
{
  for (size_t k = 0; k < walls.size() && k < cut.size(); ++k)
    if (cut[k] && LiesOnWall(polygon, walls[k]))
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
