#pragma once

#include "CoverageScene.h"

#include <vector>

// Kept between the highest target and the detection height.
constexpr double kDetectionHeightClearance = 0.1;

// A floor target lifted to the detection height and what the facets watch
// of it: CAD1's projection of every facet clipped to the copy.
struct CRaisedFloor {
  CVectorArray vertices;
  std::vector<CVectorArray> patches;
};

CVectorArray RaisedCopy(const CVectorArray& vertices, double height);

// No patches when the height is not below the projection centre.
CRaisedFloor RaiseFloor(const CCoverageScene& scene, const CVectorArray& floor, double height);

// The height the detection height must stay below: the projection centre's
// and the highest target corner's less the clearance.
double DetectionHeightLimit(const CCoverageScene& scene);

// 0, or finite, positive and below the limit.
bool IsDetectionHeightAllowed(double height, double limit);
