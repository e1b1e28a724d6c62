#pragma once

#include "Vector.h"

#include <optional>

class CItemGroup;
class CModuleCAD1;
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
// The same for the CAD1 of any sensor of the tree.
std::optional<CSensorPose> FindSensorPose(CItemGroup& root, const CModuleCAD1& cad1);
