#pragma once

#include "Vector.h"

#include <string>
#include <vector>

class CItemBase;
class CProject;

// One patch of the detection characteristic, measured in world coordinates.
struct PatchInfo {
  std::string strName;
  // Path of the target surface the patch lies on; empty when none is found.
  std::string strTargetPath;
  size_t nVertices = 0;
  double area = 0.0;
  CVector centroid;
};

// The polygons among the children of CAD1's results group, in child order.
// The target of a patch is the first polygon of the visible variant group
// whose plane holds every vertex of the patch and which holds its centroid.
std::vector<PatchInfo> SurveyPatches(CProject& project);

// Names from the root to the entry, joined by ".".
std::string EntryPath(const CItemBase& entry);
