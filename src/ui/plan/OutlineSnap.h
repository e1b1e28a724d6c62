#pragma once

#include "RoomPlan.h"

// Grid of the corners drawn in the plan window, in metres.
inline constexpr double kCornerGrid = 0.05;
// Steps of the wall directions with Shift held, in degrees.
inline constexpr double kAngleStep = 15.0;

// Where a clicked corner goes: onto the grid; with `angleSnap` and a
// previous corner, in the direction from it turned to the nearest step, at
// its distance rounded to the grid.
CPlanPoint SnapCorner(const CPlanPoint& clicked, const CPlanPoint* previous, bool angleSnap);
