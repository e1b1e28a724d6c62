#include "RoomPlan.h"

#include "PlanGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>

namespace {

constexpr double kMinRoomHeight = 2.0;
constexpr double kMaxRoomHeight = 30.0;
// The ceiling place defaults to the centroid only with this much room to
// every wall; the largest circle's centre is found to the centimetre.
constexpr double kCentroidSpare = 0.5;
constexpr double kInscribedPrecision = 0.01;
// The corner bracket stands this far off both walls.
constexpr double kCornerStandOff = 0.1;

using Fault = std::optional<CPlanFault>;

Fault Refuse(const char* option, std::string message)
{
  return CPlanFault{option, std::move(message)};
}

std::string Numbered(const char* what, size_t index)
{
  return std::string(what) + " " + std::to_string(index + 1);
}

bool IsPlanNumber(double value)
{
  return std::isfinite(value) && std::abs(value) <= kMaxPlanCoordinate;
}

bool ArePlanPoints(const CPlanPolygon& polygon)
{
  return std::all_of(polygon.begin(), polygon.end(),
                     [](const CPlanPoint& p) { return IsPlanNumber(p.x) && IsPlanNumber(p.y); });
}

bool IsZoneNameCharacter(unsigned char c)
{
  // Windows-1252 letters with accents and umlauts lie from 0xC0 on, but for
  // the multiplication and division signs.
  return std::isalnum(c) || c == '-' || c == '.' || c == 0x8A || c == 0x8C || c == 0x8E || c == 0x9A || c == 0x9C ||
         c == 0x9E || c == 0x9F || (c >= 0xC0 && c != 0xD7 && c != 0xF7);
}

CPlanPoint PointOnWall(const CRoomPlan& plan, size_t wall, double offset)
{
  const CPlanPoint& a = plan.outline[wall];
  const CPlanPoint& b = plan.outline[(wall + 1) % plan.outline.size()];
  const double t = offset / WallLength(plan, wall);
  return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

// The unit normal of wall K that points into the room.
CPlanPoint InwardNormal(const CRoomPlan& plan, size_t wall)
{
  const CPlanPoint& a = plan.outline[wall];
  const CPlanPoint& b = plan.outline[(wall + 1) % plan.outline.size()];
  const double length = WallLength(plan, wall);
  const double side = SignedArea(plan.outline) > 0.0 ? 1.0 : -1.0;
  return {-(b.y - a.y) / length * side, (b.x - a.x) / length * side};
}

// Half the inner angle at corner K, and the unit bisector into the room.
std::pair<double, CPlanPoint> CornerBisector(const CRoomPlan& plan, size_t corner)
{
  const size_t n = plan.outline.size();
  const CPlanPoint& c = plan.outline[corner];
  const CPlanPoint& prev = plan.outline[(corner + n - 1) % n];
  const CPlanPoint& next = plan.outline[(corner + 1) % n];
  const double la = std::hypot(prev.x - c.x, prev.y - c.y);
  const double lb = std::hypot(next.x - c.x, next.y - c.y);
  const CPlanPoint u{(prev.x - c.x) / la, (prev.y - c.y) / la};
  const CPlanPoint v{(next.x - c.x) / lb, (next.y - c.y) / lb};
  const double halfAngle = std::acos(std::clamp(u.x * v.x + u.y * v.y, -1.0, 1.0)) / 2.0;
  const double length = std::hypot(u.x + v.x, u.y + v.y);
  return {halfAngle, {(u.x + v.x) / length, (u.y + v.y) / length}};
}

Fault CheckOutline(const CRoomPlan& plan)
{
  if (plan.outline.size() < 3)
    return Refuse("--outline", "Der Grundriss braucht mindestens 3 Ecken.");
  if (plan.outline.size() > kMaxOutlineCorners)
    return Refuse("--outline", "Der Grundriss hat mehr als 1000 Ecken.");
  if (!ArePlanPoints(plan.outline))
    return Refuse("--outline", "Eine Ecke des Grundrisses liegt weiter als 200 m vom Ursprung.");
  if (!IsSimplePolygon(plan.outline))
    return Refuse("--outline", "Die W\xe4nde des Grundrisses kreuzen oder ber\xfchren sich.");
  if (std::abs(SignedArea(plan.outline)) < kMinFloorArea)
    return Refuse("--outline", "Der Boden ist kleiner als 1 m\xb2.");
  if (!(plan.height >= kMinRoomHeight && plan.height <= kMaxRoomHeight))
    return Refuse("--height", "Die Raumh\xf6he muss zwischen 2 und 30 m liegen.");
  return std::nullopt;
}

Fault CheckDoors(const CRoomPlan& plan)
{
  for (size_t i = 0; i < plan.doors.size(); ++i) {
    const CPlanDoor& door = plan.doors[i];
    const std::string name = Numbered("T\xfcr", i);
    if (door.wall >= plan.outline.size())
      return Refuse("--door", name + ": Diese Wand gibt es nicht.");
    if (!IsPlanNumber(door.offset) || !IsPlanNumber(door.width) || !IsPlanNumber(door.height))
      return Refuse("--door", name + ": Die Ma\xdf"
                                     "e sind keine g\xfcltigen Zahlen.");
    if (door.width <= 0.0 || door.height <= 0.0)
      return Refuse("--door", name + ": Breite und H\xf6he m\xfcssen gr\xf6\xdf"
                                     "er als 0 sein.");
    if (door.height >= plan.height)
      return Refuse("--door", name + ": Die T\xfcr ist so hoch wie der Raum.");
    if (door.offset < 0.0 || door.offset + door.width > WallLength(plan, door.wall))
      return Refuse("--door", name + ": Die T\xfcr reicht \xfc"
                                     "ber das Ende ihrer Wand.");
    for (size_t j = 0; j < i; ++j) {
      const CPlanDoor& other = plan.doors[j];
      if (other.wall == door.wall && door.offset < other.offset + other.width &&
          other.offset < door.offset + door.width)
        return Refuse("--door", name +
                                    " \xfc"
                                    "berlappt " +
                                    Numbered("T\xfcr", j) + ".");
    }
  }
  return std::nullopt;
}

Fault CheckObstacles(const CRoomPlan& plan)
{
  for (size_t i = 0; i < plan.obstacles.size(); ++i) {
    const CPlanObstacle& obstacle = plan.obstacles[i];
    const std::string name = Numbered("Hindernis", i);
    if (!IsPlanNumber(obstacle.centre.x) || !IsPlanNumber(obstacle.centre.y) || !IsPlanNumber(obstacle.width) ||
        !IsPlanNumber(obstacle.depth) || !IsPlanNumber(obstacle.height) || !std::isfinite(obstacle.angle))
      return Refuse("--obstacle", name + ": Die Ma\xdf"
                                         "e sind keine g\xfcltigen Zahlen.");
    if (obstacle.width <= 0.0 || obstacle.depth <= 0.0 || obstacle.height <= 0.0)
      return Refuse("--obstacle", name + ": Breite, Tiefe und H\xf6he m\xfcssen gr\xf6\xdf"
                                         "er als 0 sein.");
    if (obstacle.height >= plan.height)
      return Refuse("--obstacle", name + " ist so hoch wie der Raum.");
    if (!(obstacle.angle > -360.0 && obstacle.angle < 360.0))
      return Refuse("--obstacle", name + ": Der Winkel muss zwischen -360 und 360 Grad liegen.");
    const CPlanPolygon footprint = Footprint(obstacle);
    if (!IsCoveredBy(footprint, plan.outline))
      return Refuse("--obstacle", name + " steht nicht ganz im Raum.");
    for (size_t j = 0; j < i; ++j)
      if (Overlap(footprint, Footprint(plan.obstacles[j])))
        return Refuse("--obstacle", name +
                                        " \xfc"
                                        "berlappt " +
                                        Numbered("Hindernis", j) + ".");
  }
  return std::nullopt;
}

Fault CheckZones(const CRoomPlan& plan)
{
  for (size_t i = 0; i < plan.zones.size(); ++i) {
    const CPlanZone& zone = plan.zones[i];
    const std::string name = Numbered("Zone", i);
    if (zone.name.empty() || zone.name.size() > kMaxZoneNameLength ||
        !std::all_of(zone.name.begin(), zone.name.end(),
                     [](char c) { return IsZoneNameCharacter(static_cast<unsigned char>(c)); }))
      return Refuse("--zone", name + ": Der Name muss 1 bis 63 Buchstaben, Ziffern, '-' oder '.' haben.");
    for (size_t j = 0; j < i; ++j)
      if (plan.zones[j].name == zone.name)
        return Refuse("--zone", name + ": Den Namen " + zone.name + " gibt es schon.");
    if (!ArePlanPoints(zone.corners) || !IsSimplePolygon(zone.corners))
      return Refuse("--zone", name + " kreuzt oder ber\xfchrt sich selbst.");
    if (!IsCoveredBy(zone.corners, plan.outline))
      return Refuse("--zone", name + " liegt nicht ganz auf dem Boden.");
  }
  return std::nullopt;
}

Fault CheckSensorPlaces(const CRoomPlan& plan)
{
  if (plan.sensorWall >= plan.outline.size())
    return Refuse("--wall", "Diese Wand gibt es nicht.");
  if (plan.sensorOffset && !(std::isfinite(*plan.sensorOffset) && *plan.sensorOffset > 0.0 &&
                             *plan.sensorOffset < WallLength(plan, plan.sensorWall)))
    return Refuse("--offset", "Der Sensor muss zwischen den Enden seiner Wand sitzen.");
  if (plan.sensorAt &&
      (!IsPlanNumber(plan.sensorAt->x) || !IsPlanNumber(plan.sensorAt->y) ||
       !IsCoveredBy(*plan.sensorAt, plan.outline) || DistanceToBoundary(*plan.sensorAt, plan.outline) <= 0.0))
    return Refuse("--at", "Der Sensor liegt nicht im Raum.");
  if (plan.sensorCorner) {
    if (*plan.sensorCorner >= plan.outline.size())
      return Refuse("--corner", "Diese Ecke gibt es nicht.");
    if (!IsConvexCorner(plan.outline, *plan.sensorCorner))
      return Refuse("--corner", "Der Innenwinkel dieser Ecke ist nicht kleiner als 180 Grad.");
  }
  return std::nullopt;
}

void FillSensorDefaults(CRoomPlan& plan)
{
  if (!plan.sensorOffset)
    plan.sensorOffset = WallLength(plan, plan.sensorWall) / 2.0;
  if (!plan.sensorAt) {
    const CPlanPoint centroid = Centroid(plan.outline);
    const bool spare =
        IsCoveredBy(centroid, plan.outline) && DistanceToBoundary(centroid, plan.outline) >= kCentroidSpare;
    plan.sensorAt = spare ? centroid : InscribedCentre(plan.outline, kInscribedPrecision);
  }
  for (size_t k = 0; !plan.sensorCorner && k < plan.outline.size(); ++k)
    if (IsConvexCorner(plan.outline, k))
      plan.sensorCorner = k;
}

void RoundNumbers(CRoomPlan& plan)
{
  auto round = [](double& value) { value = RoundToStored(value); };
  auto roundPoint = [&round](CPlanPoint& p) {
    round(p.x);
    round(p.y);
  };
  std::for_each(plan.outline.begin(), plan.outline.end(), roundPoint);
  round(plan.height);
  round(*plan.sensorOffset);
  roundPoint(*plan.sensorAt);
  for (CPlanDoor& door : plan.doors)
    for (double* value : {&door.offset, &door.width, &door.height})
      round(*value);
  for (CPlanObstacle& obstacle : plan.obstacles) {
    roundPoint(obstacle.centre);
    for (double* value : {&obstacle.width, &obstacle.depth, &obstacle.height, &obstacle.angle})
      round(*value);
  }
  for (CPlanZone& zone : plan.zones)
    std::for_each(zone.corners.begin(), zone.corners.end(), roundPoint);
  if (plan.underlay) {
    round(plan.underlay->scale);
    roundPoint(plan.underlay->place);
    round(plan.underlay->opacity);
  }
}

// Offsets along wall K that the sensor's place spans; a door there leaves
// the sensor nothing to hang on.
bool IsInDoorSpan(const CRoomPlan& plan, size_t wall, double offset)
{
  return std::any_of(plan.doors.begin(), plan.doors.end(), [&](const CPlanDoor& door) {
    return door.wall == wall && offset >= door.offset && offset <= door.offset + door.width;
  });
}

Fault CheckChosenPlace(const CRoomPlan& plan)
{
  static constexpr const char* kOptions[] = {"--offset", "--at", "--corner"};
  const char* option = kOptions[static_cast<size_t>(plan.variant)];
  const CPlanPoint place = SensorPlace(plan).point;
  for (size_t i = 0; i < plan.obstacles.size(); ++i)
    if (IsCoveredBy(place, Footprint(plan.obstacles[i])))
      return Refuse(option, "Der Sensor sitzt auf " + Numbered("Hindernis", i) + ".");
  bool inDoor = false;
  if (plan.variant == RoomVariant::Wall)
    inDoor = IsInDoorSpan(plan, plan.sensorWall, *plan.sensorOffset);
  if (plan.variant == RoomVariant::Corner) {
    const size_t corner = *plan.sensorCorner;
    const size_t before = (corner + plan.outline.size() - 1) % plan.outline.size();
    const double along = kCornerStandOff / std::tan(CornerBisector(plan, corner).first);
    inDoor = IsInDoorSpan(plan, corner, along) || IsInDoorSpan(plan, before, WallLength(plan, before) - along);
  }
  if (inDoor)
    return Refuse(option, "Der Sensor sitzt in einer T\xfcr.");
  return std::nullopt;
}

} // namespace

std::optional<CPlanFault> CheckUnderlay(const CRoomPlan& plan)
{
  if (!plan.underlay)
    return std::nullopt;
  const CPlanUnderlay& underlay = *plan.underlay;
  if (underlay.file.empty() || !(std::isfinite(underlay.scale) && underlay.scale > 0.0) ||
      !std::isfinite(underlay.place.x) || !std::isfinite(underlay.place.y) ||
      !(underlay.opacity >= 0.0 && underlay.opacity <= 1.0))
    return Refuse("", "Die Unterlage des Grundrisses hat ung\xfcltige Werte.");
  return std::nullopt;
}

double RoundToStored(double value)
{
  char text[40];
  std::snprintf(text, sizeof text, "%.15e", value);
  return std::strtod(text, nullptr);
}

std::pair<CPlanPoint, CPlanPoint> PolygonBounds(const CPlanPolygon& polygon)
{
  std::pair<CPlanPoint, CPlanPoint> bounds{polygon.front(), polygon.front()};
  for (const CPlanPoint& p : polygon) {
    bounds.first = {std::min(bounds.first.x, p.x), std::min(bounds.first.y, p.y)};
    bounds.second = {std::max(bounds.second.x, p.x), std::max(bounds.second.y, p.y)};
  }
  return bounds;
}

double WallLength(const CRoomPlan& plan, size_t wall)
{
  const CPlanPoint& a = plan.outline[wall];
  const CPlanPoint& b = plan.outline[(wall + 1) % plan.outline.size()];
  return std::hypot(b.x - a.x, b.y - a.y);
}

CSensorPlace SensorPlace(const CRoomPlan& plan)
{
  switch (plan.variant) {
  case RoomVariant::Wall:
    return {PointOnWall(plan, plan.sensorWall, *plan.sensorOffset), InwardNormal(plan, plan.sensorWall)};
  case RoomVariant::Ceiling:
    return {*plan.sensorAt, {1.0, 0.0}};
  case RoomVariant::Corner:
    break;
  }
  const CPlanPoint& corner = plan.outline[*plan.sensorCorner];
  const auto [halfAngle, bisector] = CornerBisector(plan, *plan.sensorCorner);
  const double distance = kCornerStandOff / std::sin(halfAngle);
  return {{corner.x + bisector.x * distance, corner.y + bisector.y * distance}, bisector};
}

std::optional<CPlanFault> CompleteRoomPlan(CRoomPlan& plan)
{
  for (Fault (*check)(const CRoomPlan&) :
       {CheckOutline, CheckDoors, CheckObstacles, CheckZones, CheckSensorPlaces, CheckUnderlay})
    if (Fault fault = check(plan))
      return fault;
  CRoomPlan complete = plan;
  FillSensorDefaults(complete);
  RoundNumbers(complete);
  // Rounding may move a number across a limit: the rounded plan is what is
  // stored, so it is the one that must pass.
  for (Fault (*check)(const CRoomPlan&) :
       {CheckOutline, CheckDoors, CheckObstacles, CheckZones, CheckSensorPlaces, CheckUnderlay, CheckChosenPlace})
    if (Fault fault = check(complete))
      return fault;
  plan = std::move(complete);
  return std::nullopt;
}
