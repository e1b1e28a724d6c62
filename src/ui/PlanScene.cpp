#include "PlanScene.h"

#include "PlanGeometry.h"
#include "TextEncoding.h"

#include <QBrush>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QPen>

namespace {

const QColor kFloorColour(225, 220, 200, 150); // the grid shows through
const QColor kPatchColour(230, 120, 30, 110);
const QColor kZoneColour(200, 40, 40);
const QColor kFurnitureColour(150, 110, 70);
const QColor kWallColour(40, 48, 60);
const QColor kDoorColour(90, 150, 210);
const QColor kSensorColour(20, 40, 150);

// Wide enough to see at any zoom: pens are cosmetic (pixels).
constexpr double kWallPixels = 4.0;
constexpr double kDoorPixels = 6.0;
constexpr double kSensorRadius = 0.12;
constexpr double kSensorArrow = 0.6;

QPointF ScenePoint(const CPlanPoint& p)
{
  return {p.x, -p.y};
}

QPolygonF ScenePolygon(const CPlanPolygon& polygon)
{
  QPolygonF scenePolygon;
  for (const CPlanPoint& p : polygon)
    scenePolygon << ScenePoint(p);
  return scenePolygon;
}

QPen Cosmetic(const QColor& colour, double pixels, Qt::PenCapStyle cap = Qt::RoundCap)
{
  QPen pen(colour, pixels, Qt::SolidLine, cap, Qt::RoundJoin);
  pen.setCosmetic(true);
  return pen;
}

template <class Item> Item* Tag(Item* item, const QString& kind, const QString& name)
{
  item->setData(kPlanItemKind, kind);
  item->setToolTip(name);
  return item;
}

CPlanPoint AlongWall(const CRoomPlan& plan, size_t wall, double distance)
{
  const CPlanPoint& a = plan.outline[wall];
  const CPlanPoint& b = plan.outline[(wall + 1) % plan.outline.size()];
  const double t = distance / WallLength(plan, wall);
  return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
}

void AddSensor(QGraphicsScene& scene, const CRoomPlan& plan)
{
  const CSensorPlace place = SensorPlace(plan);
  const QPointF centre = ScenePoint(place.point);
  const QPointF tip =
      ScenePoint({place.point.x + kSensorArrow * place.facing.x, place.point.y + kSensorArrow * place.facing.y});
  Tag(scene.addLine(QLineF(centre, tip), Cosmetic(kSensorColour, 2.0)), kPlanSensor, kPlanSensor);
  const QRectF disc(centre.x() - kSensorRadius, centre.y() - kSensorRadius, 2 * kSensorRadius, 2 * kSensorRadius);
  Tag(scene.addEllipse(disc, Cosmetic(Qt::white, 1.0), QBrush(kSensorColour)), kPlanSensor, kPlanSensor);
}

} // namespace

void FillPlanScene(QGraphicsScene& scene, const CRoomPlan& plan, const std::vector<CPlanPolygon>& floorPatches)
{
  scene.clear();
  if (plan.outline.size() < 3)
    return;
  Tag(scene.addPolygon(ScenePolygon(plan.outline), Qt::NoPen, QBrush(kFloorColour)), kPlanFloor, "Boden");
  for (const CPlanPolygon& patch : floorPatches)
    Tag(scene.addPolygon(ScenePolygon(patch), Cosmetic(kPatchColour.darker(), 0.5), QBrush(kPatchColour)), kPlanPatch,
        kPlanPatch);
  for (const CPlanZone& zone : plan.zones)
    Tag(scene.addPolygon(ScenePolygon(zone.corners), Cosmetic(kZoneColour, 1.5), QBrush(kZoneColour, Qt::BDiagPattern)),
        kPlanZone, "Zone " + QString::fromStdString(Cp1252ToUtf8(zone.name)));
  for (size_t i = 0; i < plan.obstacles.size(); ++i)
    Tag(scene.addPolygon(ScenePolygon(Footprint(plan.obstacles[i])), Cosmetic(kFurnitureColour.darker(), 1.5),
                         QBrush(kFurnitureColour.lighter(130))),
        kPlanObstacle, "Hindernis " + QString::number(i + 1));
  for (size_t k = 0; k < plan.outline.size(); ++k)
    Tag(scene.addLine(QLineF(ScenePoint(plan.outline[k]), ScenePoint(plan.outline[(k + 1) % plan.outline.size()])),
                      Cosmetic(kWallColour, kWallPixels)),
        kPlanWall, "Wand " + QString::number(k + 1));
  for (size_t i = 0; i < plan.doors.size(); ++i) {
    const CPlanDoor& door = plan.doors[i];
    if (door.wall >= plan.outline.size())
      continue;
    const QLineF span(ScenePoint(AlongWall(plan, door.wall, door.offset)),
                      ScenePoint(AlongWall(plan, door.wall, door.offset + door.width)));
    Tag(scene.addLine(span, Cosmetic(kDoorColour, kDoorPixels, Qt::FlatCap)), kPlanDoor,
        "Tür " + QString::number(i + 1));
  }
  AddSensor(scene, plan);
}
