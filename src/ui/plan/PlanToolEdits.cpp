#include "PlanToolEdits.h"

#include "OutlineSnap.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace {

// The handle stands this far beyond the obstacle's side.
constexpr double kHandleDistance = 0.4;

double ToGrid(double value)
{
  return std::round(value / kCornerGrid) * kCornerGrid;
}

double Radians(double degrees)
{
  return degrees * std::numbers::pi / 180.0;
}

} // namespace

std::optional<CWallHit> WallAt(const CRoomPlan& plan, const CPlanPoint& point, double reach)
{
  std::optional<CWallHit> nearest;
  double nearestDistance = reach;
  for (size_t k = 0; k < plan.outline.size(); ++k) {
    const CPlanPoint& a = plan.outline[k];
    const CPlanPoint& b = plan.outline[(k + 1) % plan.outline.size()];
    const double length = WallLength(plan, k);
    if (length <= 0.0)
      continue;
    const double along =
        std::clamp(((point.x - a.x) * (b.x - a.x) + (point.y - a.y) * (b.y - a.y)) / length, 0.0, length);
    const double distance =
        std::hypot(a.x + (b.x - a.x) * along / length - point.x, a.y + (b.y - a.y) * along / length - point.y);
    if (distance <= nearestDistance) {
      nearestDistance = distance;
      nearest = CWallHit{k, along};
    }
  }
  return nearest;
}

std::optional<size_t> CornerAt(const CRoomPlan& plan, const CPlanPoint& point, double reach)
{
  std::optional<size_t> nearest;
  double nearestDistance = reach;
  for (size_t k = 0; k < plan.outline.size(); ++k) {
    const double distance = std::hypot(plan.outline[k].x - point.x, plan.outline[k].y - point.y);
    if (distance <= nearestDistance) {
      nearestDistance = distance;
      nearest = k;
    }
  }
  return nearest;
}

void AddDoor(CRoomPlan& plan, const CWallHit& hit)
{
  const double end = WallLength(plan, hit.wall) - kNewDoorWidth;
  // A wall shorter than the door keeps it at its start, for the checks to refuse.
  const double offset = std::max(0.0, std::min(ToGrid(hit.offset) - kNewDoorWidth / 2.0, end));
  plan.doors.push_back({hit.wall, offset, kNewDoorWidth, kNewDoorHeight});
}

bool AddObstacle(CRoomPlan& plan, const CPlanPoint& from, const CPlanPoint& to)
{
  const CPlanPoint a{ToGrid(from.x), ToGrid(from.y)};
  const CPlanPoint b{ToGrid(to.x), ToGrid(to.y)};
  const double width = std::abs(b.x - a.x);
  const double depth = std::abs(b.y - a.y);
  if (width < kCornerGrid / 2.0 || depth < kCornerGrid / 2.0)
    return false;
  plan.obstacles.push_back({{(a.x + b.x) / 2.0, (a.y + b.y) / 2.0}, width, depth, kNewObstacleHeight, 0.0});
  return true;
}

void AddZone(CRoomPlan& plan, const CPlanPolygon& corners)
{
  auto taken = [&plan](const std::string& name) {
    return std::any_of(plan.zones.begin(), plan.zones.end(), [&name](const CPlanZone& z) { return z.name == name; });
  };
  size_t number = plan.zones.size() + 1;
  while (taken("Zone" + std::to_string(number)))
    ++number;
  plan.zones.push_back({"Zone" + std::to_string(number), corners});
}

bool MoveSensorTo(CRoomPlan& plan, const CPlanPoint& point, double reach)
{
  switch (plan.variant) {
  case RoomVariant::Wall:
    if (std::optional<CWallHit> hit = WallAt(plan, point, reach)) {
      plan.sensorWall = hit->wall;
      plan.sensorOffset = ToGrid(hit->offset);
      return true;
    }
    return false;
  case RoomVariant::Ceiling:
    plan.sensorAt = CPlanPoint{ToGrid(point.x), ToGrid(point.y)};
    return true;
  case RoomVariant::Corner:
    break;
  }
  const std::optional<size_t> corner = CornerAt(plan, point, reach);
  if (corner)
    plan.sensorCorner = corner;
  return corner.has_value();
}

double HandleAngle(const CPlanObstacle& obstacle, const CPlanPoint& point, bool steps)
{
  const double towards =
      std::atan2(point.y - obstacle.centre.y, point.x - obstacle.centre.x) * 180.0 / std::numbers::pi;
  const double step = steps ? 15.0 : 1.0;
  // The handle sits on the obstacle's +y axis, a quarter turn from its x.
  double angle = std::round((towards - 90.0) / step) * step;
  if (angle <= -180.0)
    angle += 360.0;
  return angle;
}

CPlanPoint HandlePoint(const CPlanObstacle& obstacle)
{
  const double reach = obstacle.depth / 2.0 + kHandleDistance;
  const double angle = Radians(obstacle.angle);
  return {obstacle.centre.x - reach * std::sin(angle), obstacle.centre.y + reach * std::cos(angle)};
}
