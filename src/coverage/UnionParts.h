#pragma once

#include "Coverage.h"
#include "ExactPlane.h"

#include <string_view>
#include <vector>

// The pieces the coverage's unions of exact parts share: those of one
// sensor's patches and those of several sensors.

// Below this, two parts only touch: a shared edge leaves slivers.
constexpr double kPositiveArea = 1e-9;

// The last name of the target's path: another sensor's coverage holds the
// same surface under it.
std::string_view TargetName(const CSceneTarget& target);
// The first surface of the coverage bearing the name; null when none does.
const CSurfaceCoverage* FindSameSurface(const CCoverage& coverage, std::string_view name);

ExactParts Unite(const ExactParts& a, const ExactParts& b);
// The region on the plane's grid, its holes cut out.
ExactParts SnapRegion(const CExactPlane& plane, const CPlanarRegion& region);
// The regions on the plane's grid, holes cut out.
ExactParts SnapRegions(const CExactPlane& plane, const std::vector<CPlanarRegion>& regions);
// The parts of at least minArea as regions of the plane.
std::vector<CPlanarRegion> ToRegions(const CExactPlane& plane, const ExactParts& parts, double minArea);
