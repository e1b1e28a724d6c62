#pragma once

#include "Vector.h"

#include <optional>

class CProject;

// Where the sensor sits and looks, in world coordinates: CAD1's projection
// centre (its sensor element) and the element's x axis, the way its lens
// faces.
struct CSensorPose {
  CVector centre;
  CVector axis; // unit length
};

// None when CAD1's entries do not resolve.
std::optional<CSensorPose> FindSensorPose(CProject& project);
