#pragma once

#include "SurfaceCoverage.h"

#include <optional>
#include <vector>

// Sets of regions on one surface drawn one over another, each set cut by
// the union of all sets before it, so that no two sets overlap (fills of
// different colours in one plane would fight in depth). The first set stays
// as it is; the regions of one set are cut one by one, so that each keeps
// its own outline. None when the surface has no plane on the micrometre grid
// or Boost.Geometry refuses the parts.
std::optional<std::vector<std::vector<CPlanarRegion>>>
StackRegions(const CVectorArray& surface, const std::vector<const std::vector<CPlanarRegion>*>& sets);
