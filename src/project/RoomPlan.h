#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Mounting variants in the order of the sensor's choice "Montageart".
enum class RoomVariant { Wall = 0, Ceiling = 1, Corner = 2 };

// Plan coordinates are world coordinates in metres, the floor at z = 0.
struct CPlanPoint {
  double x = 0.0;
  double y = 0.0;
};
using CPlanPolygon = std::vector<CPlanPoint>;

// An opening in wall `wall`, from `offset` metres after its first corner.
struct CPlanDoor {
  size_t wall = 0;
  double offset = 0.0;
  double width = 0.0;
  double height = 0.0;
};

// A box standing on the floor, `width` along its own x, turned `angle`
// degrees counter-clockwise about its centre.
struct CPlanObstacle {
  CPlanPoint centre;
  double width = 0.0;
  double depth = 0.0;
  double height = 0.0;
  double angle = 0.0;
};

// A floor area where detection is unwanted.
struct CPlanZone {
  std::string name; // Windows-1252
  CPlanPolygon corners;
};

// A picture or a PDF page drawn under the plan to trace it. Its units are
// pixels of a picture or points of a page; `scale` gives metres per unit,
// `place` where its top left corner lies in the plan.
struct CPlanUnderlay {
  std::string file; // the file system's bytes, relative to the project file's folder
  size_t page = 0;  // of a PDF, from 0
  double scale = 0.0;
  CPlanPoint place;
  double opacity = 1.0;
};

// The room of a project: wall K runs from corner K to corner K+1, the last
// back to corner 0. The sensor has one place per mounting variant; a
// complete plan (CompleteRoomPlan) has all three.
struct CRoomPlan {
  CPlanPolygon outline;
  double height = 0.0;
  RoomVariant variant = RoomVariant::Wall;
  size_t sensorWall = 0;
  std::optional<double> sensorOffset;
  std::optional<CPlanPoint> sensorAt;
  std::optional<size_t> sensorCorner;
  std::vector<CPlanDoor> doors;
  std::vector<CPlanObstacle> obstacles;
  std::vector<CPlanZone> zones;
  std::optional<CPlanUnderlay> underlay;
};

// What is wrong with a plan: the kmvtool option that names it and the
// message the program shows (Windows-1252).
struct CPlanFault {
  std::string option;
  std::string message;
};

constexpr double kMaxPlanCoordinate = 200.0;
constexpr double kMinFloorArea = 1.0;
constexpr size_t kMaxOutlineCorners = 1000;
constexpr size_t kMaxZoneNameLength = 63;

// Checks the plan, fills the sensor places not given (the wall's middle;
// the outline's centroid when it lies inside with 0.5 m to spare, else the
// centre of the largest circle inside, to 1 cm; the first corner below 180
// degrees), rounds every number to what a project file stores and checks the
// chosen variant's place. The plan is changed only when no fault is found.
std::optional<CPlanFault> CompleteRoomPlan(CRoomPlan& plan);

// What is wrong with the plan's underlay, if it has one.
std::optional<CPlanFault> CheckUnderlay(const CRoomPlan& plan);

// The number as "%.15e" stores it: 16 significant digits.
double RoundToStored(double value);

// The lowest and the highest x and y of the polygon.
std::pair<CPlanPoint, CPlanPoint> PolygonBounds(const CPlanPolygon& polygon);

// Length of wall K.
double WallLength(const CRoomPlan& plan, size_t wall);
// Where the sensor's mounting sits in the plan for the plan's variant, and
// the direction it faces (a unit vector into the room).
struct CSensorPlace {
  CPlanPoint point;
  CPlanPoint facing;
};
CSensorPlace SensorPlace(const CRoomPlan& plan);
