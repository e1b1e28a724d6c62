#pragma once

#include "RoomPlan.h"

#include <optional>

// What the plan window's tools do to a plan, unchecked: the plan's own
// checks (CompleteRoomPlan) judge the result when it is applied.

inline constexpr double kNewDoorWidth = 0.9;
inline constexpr double kNewDoorHeight = 2.0;
inline constexpr double kNewObstacleHeight = 0.75;

// A click on wall `wall`, `offset` metres after its first corner.
struct CWallHit {
  size_t wall = 0;
  double offset = 0.0;
};

// The wall nearest to the point within `reach` metres, and where the
// point's foot lies along it; none when no wall is that near.
std::optional<CWallHit> WallAt(const CRoomPlan& plan, const CPlanPoint& point, double reach);
// The corner nearest to the point within `reach` metres.
std::optional<size_t> CornerAt(const CRoomPlan& plan, const CPlanPoint& point, double reach);

// A door of the new door's size centred at the hit (its centre on 0.05 m),
// pushed back along the wall where it would pass an end.
void AddDoor(CRoomPlan& plan, const CWallHit& hit);
// An unturned obstacle of the new obstacle's height filling the rectangle
// of two opposite corners, both on 0.05 m; FALSE (and no obstacle) when the
// rectangle has no area on that grid.
bool AddObstacle(CRoomPlan& plan, const CPlanPoint& from, const CPlanPoint& to);
// A zone named "ZoneN", the lowest N from the zones' count up that no zone
// has yet (names hold no blanks).
void AddZone(CRoomPlan& plan, const CPlanPolygon& corners);
// The sensor of the plan's variant at the clicked point: on the nearest
// wall (offset on 0.05 m), at the point (on 0.05 m) or in the nearest
// corner. FALSE when the variant needs a wall or corner and none is within
// `reach`.
bool MoveSensorTo(CRoomPlan& plan, const CPlanPoint& point, double reach);

// The angle of an obstacle whose turning handle, on its own +y axis, is
// dragged to the point: whole degrees, or steps of 15 with `steps`; in
// (-180, 180].
double HandleAngle(const CPlanObstacle& obstacle, const CPlanPoint& point, bool steps);
// Where the turning handle of the obstacle sits: beyond its +y side.
CPlanPoint HandlePoint(const CPlanObstacle& obstacle);
