#pragma once

#include "ZoneCoverage.h"

#include <vector>

class QGraphicsScene;

// Colours each zone of a plan scene (FillPlanScene) by its coverage: red
// where any of it is watched, green-grey where it is kept free.
void MarkZones(QGraphicsScene& scene, const std::vector<CZoneCoverage>& zones);
