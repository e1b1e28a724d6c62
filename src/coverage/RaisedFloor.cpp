#include "RaisedFloor.h"

#include "ProjectAndClip.h"

#include <algorithm>
#include <cmath>

CVectorArray RaisedCopy(const CVectorArray& vertices, double height)
{
  CVectorArray raised = vertices;
  for (CVector& v : raised)
    v.z += height;
  return raised;
}

CRaisedFloor RaiseFloor(const CCoverageScene& scene, const CVectorArray& floor, double height)
{
  CRaisedFloor raised{RaisedCopy(floor, height), {}};
  // Above the centre the facets' rays never reach the plane.
  if (!(height < scene.centre.z))
    return raised;
  for (const CVectorArray& facet : scene.facets) {
    CVectorArray patch = ProjectAndClip(scene.centre, facet, raised.vertices);
    if (patch.size() > 2)
      raised.patches.push_back(std::move(patch));
  }
  return raised;
}

double DetectionHeightLimit(const CCoverageScene& scene)
{
  double highest = -HUGE_VAL;
  for (const CSceneTarget& target : scene.targets)
    for (const CVector& v : target.vertices)
      highest = std::max(highest, v.z);
  return std::min(scene.centre.z, highest - kDetectionHeightClearance);
}

bool IsDetectionHeightAllowed(double height, double limit)
{
  return height == 0.0 || (std::isfinite(height) && height > 0.0 && height < limit);
}
