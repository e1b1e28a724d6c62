#pragma once

#include "RoomPlan.h"

#include <QColor>
#include <QPointF>
#include <QString>

#include <vector>

class QGraphicsScene;

// What each item of a plan scene shows, in its data at this key; doors,
// obstacles and zones are selectable and carry their index in the plan at
// the other key, obstacles and zones are movable.
inline constexpr int kPlanItemKind = 0;
inline constexpr int kPlanItemIndex = 1;
inline const QString kPlanFloor = "Boden";
inline const QString kPlanWall = "Wand";
inline const QString kPlanDoor = "Tür";
inline const QString kPlanObstacle = "Hindernis";
inline const QString kPlanZone = "Zone";
inline const QString kPlanPatch = "Feld";
inline const QString kPlanSensor = "Velmar";
inline const QString kPlanShadow = "Schatten";
// A sensor's marker carries its number at this key.
inline constexpr int kPlanItemSensor = 2;

struct CCoverage;

// A region of the floor in plan coordinates: its outer ring and its holes.
struct CPlanRegion {
  CPlanPolygon outer;
  std::vector<CPlanPolygon> holes;
};

// The floor patches of one sensor as the coverage counts them.
struct CFloorPatches {
  std::vector<CPlanRegion> visible;  // what the sensor sees of each patch
  std::vector<CPlanRegion> shadowed; // reached by patches, seen by none of them
  size_t sensor = 1;                 // whose colour they take
};

// The parts on the coverage's floor targets.
CFloorPatches FloorPatchesOf(const CCoverage& coverage, size_t sensor = 1);

// A sensor of a room with several, as the plan marks it.
struct CPlanSensor {
  size_t number = 1;
  CSensorPlace place;
};

// The colour of sensor N's patches in the plan (SensorColour), opaque.
QColor PlanSensorColour(size_t sensor);

// A plan point in the scene: metres, y turned downwards.
QPointF ScenePoint(const CPlanPoint& p);

// The room from above, in scene units of metres with y turned downwards
// (scene y = -plan y): the floor, the shadowed floor pale, the visible parts
// of the patches (each sensor's in its colour), the zones, the obstacles,
// the walls with their doors and the sensor facing into the room; with
// `sensors` given, each of them, numbered, in place of the plan's own, the
// current one marked (MarkCurrentSensor). The scene is emptied first.
void FillPlanScene(QGraphicsScene& scene, const CRoomPlan& plan, const std::vector<CFloorPatches>& floorPatches,
                   const std::vector<CPlanSensor>& sensors = {}, size_t current = 1);

// Colours the numbered sensors' markers as the 3D view does: the current
// one's disc, arrow and number blue, the others' dark grey (the discs keep
// their white rims).
void MarkCurrentSensor(QGraphicsScene& scene, size_t current);
