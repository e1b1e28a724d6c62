#include "ZoneCoverage.h"

#include "PlanGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kOnFloor = 1e-6;

std::vector<CPlanPolygon> FloorPatches(const CCoverageScene& scene)
{
  std::vector<CPlanPolygon> patches;
  for (const CScenePatch& patch : scene.patches) {
    if (!std::all_of(patch.vertices.begin(), patch.vertices.end(),
                     [](const CVector& v) { return std::abs(v.z) <= kOnFloor; }))
      continue;
    CPlanPolygon outline;
    for (const CVector& v : patch.vertices)
      outline.push_back({v.x, v.y});
    patches.push_back(std::move(outline));
  }
  return patches;
}

} // namespace

std::vector<CZoneCoverage> MeasureZones(const CRoomPlan& plan, const CCoverageScene& scene)
{
  const std::vector<CPlanPolygon> patches = FloorPatches(scene);
  std::vector<CZoneCoverage> zones;
  for (const CPlanZone& zone : plan.zones)
    zones.push_back({zone.name, std::abs(SignedArea(zone.corners)), CoveredArea(patches, zone.corners)});
  return zones;
}
