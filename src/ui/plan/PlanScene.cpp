#include "PlanScene.h"

#include "Coverage.h"
#include "CoverageScene.h"
#include "PlanGeometry.h"
#include "SensorColours.h"
#include "TextEncoding.h"

#include <QBrush>
#include <QFont>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QPainterPath>
#include <QPen>

namespace {

const QColor kFloorColour(225, 220, 200, 150); // the grid shows through
const QColor kPatchColour(230, 120, 30, 110);
const QColor kShadowColour(230, 120, 30, 55);
const QColor kZoneColour(200, 40, 40);
const QColor kFurnitureColour(150, 110, 70);
const QColor kWallColour(40, 48, 60);
const QColor kDoorColour(90, 150, 210);
const QColor kSensorColour(20, 40, 150);
// A sensor that is not the current one: dark grey, as in the 3D view.
const QColor kOtherSensorColour(51, 51, 51);

// Pens in metres, so that items' shapes (selection, fitting) stay close to
// what they draw.
constexpr double kWallWidth = 0.1;
constexpr double kDoorWidth = 0.14;
constexpr double kEdgeWidth = 0.02;
constexpr double kSensorRadius = 0.12;
constexpr double kSensorArrow = 0.6;

QPolygonF ScenePolygon(const CPlanPolygon& polygon)
{
  QPolygonF scenePolygon;
  for (const CPlanPoint& p : polygon)
    scenePolygon << ScenePoint(p);
  return scenePolygon;
}

QPen Stroke(const QColor& colour, double width, Qt::PenCapStyle cap = Qt::RoundCap)
{
  return QPen(colour, width, Qt::SolidLine, cap, Qt::RoundJoin);
}

QPainterPath ScenePath(const CPlanRegion& region)
{
  QPainterPath path;
  path.setFillRule(Qt::OddEvenFill);
  auto addRing = [&path](const CPlanPolygon& ring) {
    path.addPolygon(ScenePolygon(ring));
    path.closeSubpath();
  };
  addRing(region.outer);
  for (const CPlanPolygon& hole : region.holes)
    addRing(hole);
  return path;
}

CPlanRegion PlanRegion(const CPlanarRegion& region)
{
  auto ring = [](const CVectorArray& points) {
    CPlanPolygon polygon;
    for (const CVector& p : points)
      polygon.push_back({p.x, p.y});
    return polygon;
  };
  CPlanRegion planRegion{ring(region.outer), {}};
  for (const CVectorArray& hole : region.holes)
    planRegion.holes.push_back(ring(hole));
  return planRegion;
}

template <class Item> Item* Tag(Item* item, const QString& kind, const QString& name)
{
  item->setData(kPlanItemKind, kind);
  item->setToolTip(name);
  return item;
}

// A door, obstacle or zone: selected, deleted, and moved unless a door.
template <class Item> Item* Editable(Item* item, size_t index, bool movable)
{
  item->setData(kPlanItemIndex, QVariant::fromValue(static_cast<qulonglong>(index)));
  item->setFlag(QGraphicsItem::ItemIsSelectable);
  item->setFlag(QGraphicsItem::ItemIsMovable, movable);
  return item;
}

CPlanPoint AlongWall(const CRoomPlan& plan, size_t wall, double distance)
{
  const CPlanPoint& a = plan.outline[wall];
  const CPlanPoint& b = plan.outline[(wall + 1) % plan.outline.size()];
  const double t = distance / WallLength(plan, wall);
  return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
}

// The marker of a sensor; numbered (from 1) in a room with several, its
// items carrying the number (MarkCurrentSensor colours them).
void AddSensor(QGraphicsScene& scene, const CSensorPlace& place, size_t number)
{
  const QString name = number == 0 ? kPlanSensor : "Sensor " + QString::number(number);
  const QPointF centre = ScenePoint(place.point);
  const QPointF tip =
      ScenePoint({place.point.x + kSensorArrow * place.facing.x, place.point.y + kSensorArrow * place.facing.y});
  auto* arrow = Tag(scene.addLine(QLineF(centre, tip), Stroke(kSensorColour, 0.04)), kPlanSensor, name);
  const QRectF disc(centre.x() - kSensorRadius, centre.y() - kSensorRadius, 2 * kSensorRadius, 2 * kSensorRadius);
  auto* marker = Tag(scene.addEllipse(disc, Stroke(Qt::white, kEdgeWidth), QBrush(kSensorColour)), kPlanSensor, name);
  if (number == 0)
    return;
  // The number beside the disc, away from the arrow, the same size at any zoom.
  auto* label = scene.addSimpleText(QString::number(number));
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  label->setBrush(kSensorColour);
  label->setFlag(QGraphicsItem::ItemIgnoresTransformations);
  // Centred on its place: the label's own units are pixels.
  label->setPos(ScenePoint(
      {place.point.x - 2 * kSensorRadius * place.facing.x, place.point.y - 2 * kSensorRadius * place.facing.y}));
  const QRectF bounds = label->boundingRect();
  label->setTransform(QTransform::fromTranslate(-bounds.width() / 2, -bounds.height() / 2));
  Tag(label, kPlanSensor, name);
  for (QGraphicsItem* item : std::initializer_list<QGraphicsItem*>{arrow, marker, label})
    item->setData(kPlanItemSensor, QVariant::fromValue(static_cast<qulonglong>(number)));
}

// The shadowed parts (pale, dashed), or the visible ones, of a sensor's patches.
void AddFloorPatches(QGraphicsScene& scene, const CFloorPatches& patches, bool shadowed)
{
  // The first sensor keeps the plan's own orange.
  QColor colour = patches.sensor == 1 ? kPatchColour : PlanSensorColour(patches.sensor);
  colour.setAlpha(shadowed ? kShadowColour.alpha() : kPatchColour.alpha());
  QColor edgeColour = colour.darker();
  edgeColour.setAlpha(kPatchColour.alpha());
  QPen edge = Stroke(edgeColour, kEdgeWidth / 2);
  if (shadowed)
    edge.setStyle(Qt::DashLine);
  for (const CPlanRegion& region : shadowed ? patches.shadowed : patches.visible)
    Tag(scene.addPath(ScenePath(region), edge, QBrush(colour)), shadowed ? kPlanShadow : kPlanPatch,
        shadowed ? "verdeckt" : kPlanPatch);
}

} // namespace

QPointF ScenePoint(const CPlanPoint& p)
{
  return {p.x, -p.y};
}

QColor PlanSensorColour(size_t sensor)
{
  const CVector colour = SensorColour(sensor);
  return QColor::fromRgbF(static_cast<float>(colour.x), static_cast<float>(colour.y), static_cast<float>(colour.z));
}

CFloorPatches FloorPatchesOf(const CCoverage& coverage, size_t sensor)
{
  CFloorPatches patches;
  patches.sensor = sensor;
  for (const CTargetCoverage& target : coverage.targets)
    if (IsFloorTarget(target.target.vertices)) {
      for (const CPlanarRegion& part : target.coverage.patchParts)
        patches.visible.push_back(PlanRegion(part));
      for (const CPlanarRegion& part : target.coverage.shadowed)
        patches.shadowed.push_back(PlanRegion(part));
    }
  return patches;
}

void FillPlanScene(QGraphicsScene& scene, const CRoomPlan& plan, const std::vector<CFloorPatches>& floorPatches,
                   const std::vector<CPlanSensor>& sensors, size_t current)
{
  scene.clear();
  if (plan.outline.size() < 3)
    return;
  Tag(scene.addPolygon(ScenePolygon(plan.outline), Qt::NoPen, QBrush(kFloorColour)), kPlanFloor, "Boden");
  // Every sensor's visible parts over all shadowed ones.
  for (bool shadowed : {true, false})
    for (const CFloorPatches& patches : floorPatches)
      AddFloorPatches(scene, patches, shadowed);
  for (size_t i = 0; i < plan.zones.size(); ++i) {
    auto* zone = scene.addPolygon(ScenePolygon(plan.zones[i].corners), Stroke(kZoneColour, kEdgeWidth),
                                  QBrush(kZoneColour, Qt::BDiagPattern));
    Editable(Tag(zone, kPlanZone, "Zone " + QString::fromStdString(Cp1252ToUtf8(plan.zones[i].name))), i, true);
  }
  for (size_t i = 0; i < plan.obstacles.size(); ++i) {
    auto* box = scene.addPolygon(ScenePolygon(Footprint(plan.obstacles[i])),
                                 Stroke(kFurnitureColour.darker(), kEdgeWidth), QBrush(kFurnitureColour.lighter(130)));
    Editable(Tag(box, kPlanObstacle, "Hindernis " + QString::number(i + 1)), i, true);
  }
  for (size_t k = 0; k < plan.outline.size(); ++k)
    Tag(scene.addLine(QLineF(ScenePoint(plan.outline[k]), ScenePoint(plan.outline[(k + 1) % plan.outline.size()])),
                      Stroke(kWallColour, kWallWidth)),
        kPlanWall, "Wand " + QString::number(k + 1));
  for (size_t i = 0; i < plan.doors.size(); ++i) {
    const CPlanDoor& door = plan.doors[i];
    if (door.wall >= plan.outline.size())
      continue;
    const QLineF span(ScenePoint(AlongWall(plan, door.wall, door.offset)),
                      ScenePoint(AlongWall(plan, door.wall, door.offset + door.width)));
    Editable(Tag(scene.addLine(span, Stroke(kDoorColour, kDoorWidth, Qt::FlatCap)), kPlanDoor,
                 "Tür " + QString::number(i + 1)),
             i, false);
  }
  if (sensors.empty())
    AddSensor(scene, SensorPlace(plan), 0);
  for (const CPlanSensor& sensor : sensors)
    AddSensor(scene, sensor.place, sensor.number);
  MarkCurrentSensor(scene, current);
}

void MarkCurrentSensor(QGraphicsScene& scene, size_t current)
{
  for (QGraphicsItem* item : scene.items()) {
    const QVariant number = item->data(kPlanItemSensor);
    if (!number.isValid())
      continue;
    const QColor colour = number.toULongLong() == current ? kSensorColour : kOtherSensorColour;
    if (auto* line = dynamic_cast<QGraphicsLineItem*>(item))
      line->setPen(Stroke(colour, line->pen().widthF()));
    else if (auto* shape = dynamic_cast<QAbstractGraphicsShapeItem*>(item))
      shape->setBrush(colour);
  }
}
