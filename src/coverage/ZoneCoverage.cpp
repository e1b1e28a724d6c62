#include "ZoneCoverage.h"

#include "ExactPlane.h"
#include "PlanGeometry.h"
#include "RaisedFloor.h"

#include <boost/geometry.hpp>

#include <algorithm>
#include <cmath>
#include <exception>
#include <optional>

namespace {

namespace bg = boost::geometry;

// The region back on the grid it came from: the same grid points again.
std::optional<ExactPolygon> SnapRegion(const CExactPlane& plane, const CPlanarRegion& region)
{
  std::optional<ExactPolygon> polygon = plane.Snap(region.outer);
  if (!polygon)
    return std::nullopt;
  for (const CVectorArray& hole : region.holes)
    if (std::optional<ExactPolygon> ring = plane.Snap(hole))
      polygon->inners().push_back(ring->outer());
  bg::correct(*polygon);
  return polygon;
}

double WatchedInZone(const std::vector<ExactPolygon>& parts, const ExactPolygon& zone)
{
  auto zoneBox = bg::return_envelope<bg::model::box<ExactPoint>>(zone);
  ExactParts inside;
  for (const ExactPolygon& part : parts) {
    if (bg::disjoint(bg::return_envelope<bg::model::box<ExactPoint>>(part), zoneBox))
      continue;
    // Boost.Geometry throws on input it cannot overlay: that part counts nothing.
    try {
      ExactParts piece, joined;
      bg::intersection(part, zone, piece);
      bg::union_(inside, piece, joined);
      inside = std::move(joined);
    } catch (const std::exception&) {
    }
  }
  return AreaOf(inside);
}

} // namespace

std::vector<double> WatchedInZones(const CVectorArray& surface, const CSurfaceCoverage& coverage,
                                   const std::vector<CVectorArray>& zones)
{
  std::vector<double> watched(zones.size(), 0.0);
  std::optional<CExactPlane> plane = CExactPlane::Make(surface);
  if (!plane)
    return watched;
  std::vector<ExactPolygon> parts;
  for (const CPlanarRegion& region : coverage.patchParts)
    if (std::optional<ExactPolygon> part = SnapRegion(*plane, region); part && !part->outer().empty())
      parts.push_back(std::move(*part));
  for (size_t z = 0; z < zones.size(); ++z) {
    std::optional<ExactPolygon> zone = plane->Snap(zones[z]);
    if (zone && !zone->outer().empty() && bg::is_valid(*zone))
      watched[z] = WatchedInZone(parts, *zone);
  }
  return watched;
}

std::vector<CVectorArray> ZoneOutlines(const CRoomPlan& plan, double height)
{
  std::vector<CVectorArray> outlines;
  for (const CPlanZone& zone : plan.zones) {
    CVectorArray& outline = outlines.emplace_back();
    for (const CPlanPoint& corner : zone.corners)
      outline.push_back({corner.x, corner.y, height});
  }
  return outlines;
}

std::vector<CZoneCoverage> MeasureZones(const CRoomPlan& plan, const CCoverage& coverage)
{
  const std::vector<CVectorArray> outlines = ZoneOutlines(plan, coverage.height);
  std::vector<CZoneCoverage> zones;
  for (const CPlanZone& zone : plan.zones)
    zones.push_back({zone.name, std::abs(SignedArea(zone.corners)), 0.0});
  // The floor pieces do not overlap: their watched parts in a zone add up.
  for (const CTargetCoverage& entry : coverage.targets) {
    if (!IsFloorTarget(entry.target.vertices))
      continue;
    std::vector<double> watched =
        WatchedInZones(RaisedCopy(entry.target.vertices, coverage.height), entry.coverage, outlines);
    for (size_t z = 0; z < zones.size(); ++z)
      zones[z].watched += watched[z];
  }
  for (CZoneCoverage& zone : zones)
    zone.watched = std::min(zone.watched, zone.area);
  return zones;
}
