#include "PlanFields.h"

#include "DataExchange.h"
#include "TextEncoding.h"

#include <QStringList>

#include <cmath>
#include <numbers>

namespace {

QString Metres(double value)
{
  return QString::number(value, 'f', 3);
}

QString Degrees(double value)
{
  return QString::number(value, 'f', 2);
}

QString CornersText(const CPlanPolygon& corners)
{
  QStringList points;
  for (const CPlanPoint& p : corners)
    points << Metres(p.x) + "," + Metres(p.y);
  return points.join(' ');
}

std::optional<CPlanPolygon> ParseCorners(const QString& text)
{
  CPlanPolygon corners;
  for (const QString& point : text.split(' ', Qt::SkipEmptyParts)) {
    const QStringList xy = point.split(',');
    std::optional<double> x = xy.size() == 2 ? ParseDouble(xy[0]) : std::nullopt;
    std::optional<double> y = xy.size() == 2 ? ParseDouble(xy[1]) : std::nullopt;
    if (!x || !y)
      return std::nullopt;
    corners.push_back({*x, *y});
  }
  return corners;
}

double WallAngle(const CRoomPlan& plan, size_t wall)
{
  const CPlanPoint& a = plan.outline[wall];
  const CPlanPoint& b = plan.outline[(wall + 1) % plan.outline.size()];
  return std::atan2(b.y - a.y, b.x - a.x) * 180.0 / std::numbers::pi;
}

// Wall K's end corner at the length and angle from its first corner.
void SetWall(CRoomPlan& plan, size_t wall, double length, double degrees)
{
  const CPlanPoint a = plan.outline[wall];
  const double radians = degrees * std::numbers::pi / 180.0;
  plan.outline[(wall + 1) % plan.outline.size()] = {a.x + length * std::cos(radians), a.y + length * std::sin(radians)};
}

// A field's text and how a typed text changes the plan.
struct FieldAccess {
  CPlanField field;
  std::function<bool(CRoomPlan&, const QString&)> set;
};

std::function<bool(CRoomPlan&, const QString&)> SetNumber(std::function<void(CRoomPlan&, double)> apply)
{
  return [apply](CRoomPlan& plan, const QString& text) {
    std::optional<double> value = ParseDouble(text);
    if (value)
      apply(plan, *value);
    return value.has_value();
  };
}

// A typed wall or corner number, counted from 1.
std::optional<size_t> ParseNumber(const QString& text)
{
  std::optional<unsigned long> number = ParseUnsigned(text);
  if (!number || *number == 0)
    return std::nullopt;
  return static_cast<size_t>(*number - 1);
}

// The place of the plan variant's sensor: a new wall takes the sensor to
// its middle.
template <class Add> void AddSensorFields(const CRoomPlan& plan, Add& add)
{
  const QString sensor = "Velmar";
  switch (plan.variant) {
  case RoomVariant::Wall:
    add(sensor, "Wand", QString::number(plan.sensorWall + 1), [](CRoomPlan& p, const QString& text) {
      std::optional<size_t> wall = ParseNumber(text);
      if (wall) {
        p.sensorWall = *wall;
        p.sensorOffset.reset();
      }
      return wall.has_value();
    });
    add(sensor, "Abstand m", Metres(plan.sensorOffset.value_or(0.0)),
        SetNumber([](CRoomPlan& p, double v) { p.sensorOffset = v; }));
    break;
  case RoomVariant::Ceiling: {
    const CPlanPoint at = plan.sensorAt.value_or(CPlanPoint{});
    add(sensor, "X m", Metres(at.x), SetNumber([at](CRoomPlan& p, double v) {
          p.sensorAt = CPlanPoint{v, p.sensorAt.value_or(at).y};
        }));
    add(sensor, "Y m", Metres(at.y), SetNumber([at](CRoomPlan& p, double v) {
          p.sensorAt = CPlanPoint{p.sensorAt.value_or(at).x, v};
        }));
    break;
  }
  case RoomVariant::Corner:
    add(sensor, "Ecke", QString::number(plan.sensorCorner.value_or(0) + 1), [](CRoomPlan& p, const QString& text) {
      std::optional<size_t> corner = ParseNumber(text);
      if (corner)
        p.sensorCorner = corner;
      return corner.has_value();
    });
    break;
  }
}

std::vector<FieldAccess> Fields(const CRoomPlan& plan)
{
  std::vector<FieldAccess> fields;
  auto add = [&fields](QString element, QString quantity, QString value, auto set) {
    fields.push_back({{std::move(element), std::move(quantity), std::move(value)}, set});
  };
  add("Raum", "Höhe m", Metres(plan.height), SetNumber([](CRoomPlan& p, double v) { p.height = v; }));
  for (size_t k = 0; k < plan.outline.size(); ++k) {
    const QString wall = "Wand " + QString::number(k + 1);
    add(wall, "Länge m", Metres(WallLength(plan, k)),
        SetNumber([k](CRoomPlan& p, double v) { SetWall(p, k, v, WallAngle(p, k)); }));
    add(wall, "Winkel °", Degrees(WallAngle(plan, k)),
        SetNumber([k](CRoomPlan& p, double v) { SetWall(p, k, WallLength(p, k), v); }));
  }
  for (size_t i = 0; i < plan.doors.size(); ++i) {
    const QString door = "Tür " + QString::number(i + 1);
    const CPlanDoor& d = plan.doors[i];
    add(door, "Wand", QString::number(d.wall + 1), [i](CRoomPlan& p, const QString& text) {
      std::optional<unsigned long> wall = ParseUnsigned(text);
      if (!wall || *wall == 0)
        return false;
      p.doors[i].wall = static_cast<size_t>(*wall - 1);
      return true;
    });
    add(door, "Abstand m", Metres(d.offset), SetNumber([i](CRoomPlan& p, double v) { p.doors[i].offset = v; }));
    add(door, "Breite m", Metres(d.width), SetNumber([i](CRoomPlan& p, double v) { p.doors[i].width = v; }));
    add(door, "Höhe m", Metres(d.height), SetNumber([i](CRoomPlan& p, double v) { p.doors[i].height = v; }));
  }
  for (size_t i = 0; i < plan.obstacles.size(); ++i) {
    const QString box = "Hindernis " + QString::number(i + 1);
    const CPlanObstacle& o = plan.obstacles[i];
    add(box, "X m", Metres(o.centre.x), SetNumber([i](CRoomPlan& p, double v) { p.obstacles[i].centre.x = v; }));
    add(box, "Y m", Metres(o.centre.y), SetNumber([i](CRoomPlan& p, double v) { p.obstacles[i].centre.y = v; }));
    add(box, "Breite m", Metres(o.width), SetNumber([i](CRoomPlan& p, double v) { p.obstacles[i].width = v; }));
    add(box, "Tiefe m", Metres(o.depth), SetNumber([i](CRoomPlan& p, double v) { p.obstacles[i].depth = v; }));
    add(box, "Höhe m", Metres(o.height), SetNumber([i](CRoomPlan& p, double v) { p.obstacles[i].height = v; }));
    add(box, "Winkel °", Degrees(o.angle), SetNumber([i](CRoomPlan& p, double v) { p.obstacles[i].angle = v; }));
  }
  for (size_t i = 0; i < plan.zones.size(); ++i) {
    const QString zone = "Zone " + QString::number(i + 1);
    add(zone, "Name", QString::fromStdString(Cp1252ToUtf8(plan.zones[i].name)), [i](CRoomPlan& p, const QString& text) {
      p.zones[i].name = Utf8ToCp1252(text.toStdString());
      return true;
    });
    add(zone, "Ecken m", CornersText(plan.zones[i].corners), [i](CRoomPlan& p, const QString& text) {
      std::optional<CPlanPolygon> corners = ParseCorners(text);
      if (corners)
        p.zones[i].corners = std::move(*corners);
      return corners.has_value();
    });
  }
  AddSensorFields(plan, add);
  return fields;
}

} // namespace

std::vector<CPlanField> PlanFields(const CRoomPlan& plan)
{
  std::vector<CPlanField> fields;
  for (FieldAccess& access : Fields(plan))
    fields.push_back(std::move(access.field));
  return fields;
}

bool SetPlanField(CRoomPlan& plan, size_t index, const QString& text)
{
  std::vector<FieldAccess> fields = Fields(plan);
  return index < fields.size() && fields[index].set(plan, text.trimmed());
}
