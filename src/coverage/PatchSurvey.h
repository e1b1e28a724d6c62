#pragma once

#include "Vector.h"

#include <string>
#include <vector>

class CItemGroup;
class CModuleCAD1;
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
// The same for the CAD1 of any sensor of the tree.
std::vector<PatchInfo> SurveyPatches(CItemGroup& root, const CModuleCAD1& cad1);
