#pragma once

#include "Vector.h"

#include <string>
#include <vector>

class CProject;

// One patch of the detection characteristic, measured in world coordinates.
struct PatchInfo {
  std::string strName;
  // Path of the target surface the patch lies on; empty when none is found.
  std::string strTargetPath;
  size_t nVertices = 0;
  double area = 0.0;
  // What the centre sees of it past the other targets; the whole area when
  // the target is not known.
  double visible = 0.0;
  CVector centroid;
};

// The polygons among the children of CAD1's results group, in child order,
// each with the target CAD1 clipped it against; none when the results were
// changed since CAD1 made them.
std::vector<PatchInfo> SurveyPatches(CProject& project);
