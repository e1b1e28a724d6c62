#pragma once

#include "CoverageScene.h"
#include "RoomPlan.h"

#include <string>
#include <vector>

struct CZoneCoverage {
  std::string name; // Windows-1252
  double area = 0.0;
  double watched = 0.0; // of the area, by the patches on the floor
};

// Each no-watch zone of the plan, in plan order, with how much of it the
// scene's floor patches watch (projected, as the floors' coverage is).
std::vector<CZoneCoverage> MeasureZones(const CRoomPlan& plan, const CCoverageScene& scene);
