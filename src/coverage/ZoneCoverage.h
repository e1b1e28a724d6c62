#pragma once

#include "Coverage.h"
#include "RoomPlan.h"

#include <string>
#include <vector>

// A zone counts as kept free while less than this is watched in it (m²).
constexpr double kZoneFreeArea = 0.001;

struct CZoneCoverage {
  std::string name; // Windows-1252
  double area = 0.0;
  double watched = 0.0; // of the area, by the parts on the floors

  bool IsWatched() const { return watched > 0.0; }
};

// Each no-watch zone of the plan, in plan order, with how much of it the
// parts on the floor targets watch (the visible parts, or whole patches when
// measured without shadows), on each floor's grid at the coverage's height.
std::vector<CZoneCoverage> MeasureZones(const CRoomPlan& plan, const CCoverage& coverage);

// The zones' corners at the height, world coordinates.
std::vector<CVectorArray> ZoneOutlines(const CRoomPlan& plan, double height);

// How much of each zone (in the surface's plane) the coverage's parts on the
// surface watch, on the surface's grid.
std::vector<double> WatchedInZones(const CVectorArray& surface, const CSurfaceCoverage& coverage,
                                   const std::vector<CVectorArray>& zones);
