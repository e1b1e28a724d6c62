#include "PlanTargets.h"

#include "PlanGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

// A rectangle on the wall from a to b: from s0 to s1 metres along it, z0 to
// z1 high. Walked against the outline's turn, its normal faces the inside.
CVectorArray WallPart(const CPlanPoint& a, const CPlanPoint& b, bool counterClockwise, double s0, double s1, double z0,
                      double z1)
{
  const double length = std::hypot(b.x - a.x, b.y - a.y);
  auto at = [&](double s, double z) {
    return CVector{a.x + (b.x - a.x) * s / length, a.y + (b.y - a.y) * s / length, z};
  };
  if (counterClockwise)
    return {at(s1, z0), at(s0, z0), at(s0, z1), at(s1, z1)};
  return {at(s0, z0), at(s1, z0), at(s1, z1), at(s0, z1)};
}

void AddWall(const CRoomPlan& plan, size_t wall, std::vector<CPlanTarget>& targets)
{
  const CPlanPoint& a = plan.outline[wall];
  const CPlanPoint& b = plan.outline[(wall + 1) % plan.outline.size()];
  const bool ccw = SignedArea(plan.outline) > 0.0;
  const std::string name = "Wand " + std::to_string(wall + 1);
  std::vector<CPlanDoor> doors;
  std::copy_if(plan.doors.begin(), plan.doors.end(), std::back_inserter(doors),
               [wall](const CPlanDoor& door) { return door.wall == wall; });
  if (doors.empty()) {
    targets.push_back(
        {name, PlanSurface::Wall, wall, WallPart(a, b, ccw, 0.0, WallLength(plan, wall), 0.0, plan.height)});
    return;
  }
  std::sort(doors.begin(), doors.end(), [](const CPlanDoor& l, const CPlanDoor& r) { return l.offset < r.offset; });
  std::vector<CVectorArray> parts;
  double from = 0.0;
  for (const CPlanDoor& door : doors) {
    if (door.offset > from)
      parts.push_back(WallPart(a, b, ccw, from, door.offset, 0.0, plan.height));
    from = door.offset + door.width;
  }
  if (WallLength(plan, wall) > from)
    parts.push_back(WallPart(a, b, ccw, from, WallLength(plan, wall), 0.0, plan.height));
  for (const CPlanDoor& door : doors)
    parts.push_back(WallPart(a, b, ccw, door.offset, door.offset + door.width, door.height, plan.height));
  for (size_t k = 0; k < parts.size(); ++k)
    targets.push_back({name + "." + std::to_string(k + 1), PlanSurface::Wall, wall, std::move(parts[k])});
}

void AddObstacle(const CPlanObstacle& obstacle, size_t index, std::vector<CPlanTarget>& targets)
{
  const std::string name = "Hindernis " + std::to_string(index + 1);
  const CPlanPolygon footprint = Footprint(obstacle);
  CVectorArray top;
  for (const CPlanPoint& p : footprint)
    top.push_back({p.x, p.y, obstacle.height});
  targets.push_back({name + " oben", PlanSurface::Obstacle, 0, std::move(top)});
  for (size_t k = 0; k < footprint.size(); ++k) {
    const CPlanPoint& a = footprint[k];
    const CPlanPoint& b = footprint[(k + 1) % footprint.size()];
    // Walked with the box's turn, the normal faces out of it.
    targets.push_back({name + " Seite " + std::to_string(k + 1),
                       PlanSurface::Obstacle,
                       0,
                       {{a.x, a.y, 0.0}, {b.x, b.y, 0.0}, {b.x, b.y, obstacle.height}, {a.x, a.y, obstacle.height}}});
  }
}

} // namespace

std::vector<CPlanTarget> PlanTargets(const CRoomPlan& plan)
{
  std::vector<CPlanTarget> targets;
  const std::vector<CPlanPolygon> pieces = ConvexPieces(plan.outline);
  for (size_t k = 0; k < pieces.size(); ++k) {
    CVectorArray floor;
    for (const CPlanPoint& p : pieces[k])
      floor.push_back({p.x, p.y, 0.0});
    targets.push_back({pieces.size() == 1 ? std::string("Boden") : "Boden " + std::to_string(k + 1), PlanSurface::Floor,
                       0, std::move(floor)});
  }
  for (size_t wall = 0; wall < plan.outline.size(); ++wall)
    AddWall(plan, wall, targets);
  for (size_t i = 0; i < plan.obstacles.size(); ++i)
    AddObstacle(plan.obstacles[i], i, targets);
  return targets;
}
