#pragma once

#include "ZoneCoverage.h"

#include <vector>

struct CCoverage;
struct CRoomPlan;

// The floors' watched parts at the detection height, a see-through orange
// layer over the floor (every other pixel, so it needs no drawing order);
// nothing at height 0. A step of the 3D view's scene source.
void DrawDetectionLayer(const CCoverage& coverage);

// Each no-watch zone's outline just above the floor: red when any of it is
// watched, green-grey when it is kept free.
void DrawZoneOutlines(const CRoomPlan& plan, const std::vector<CZoneCoverage>& zones);
