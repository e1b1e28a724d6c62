#pragma once

#include "Vector.h"

#include <cstddef>
#include <vector>

// Smallest blind spot worth naming: a square of one millimetre.
constexpr double kMinBlindSpotArea = 1e-6;

// A region in a surface's plane, in world coordinates: the outer boundary
// and the holes in it, each without a repeated closing vertex.
struct CPlanarRegion {
  CVectorArray outer;
  std::vector<CVectorArray> holes;
  double area = 0.0; // square metres, holes excluded
};

// How the patches on one surface watch it. Projected coverage: CAD1 casts no
// shadows, so a patch never hides another.
struct CSurfaceCoverage {
  double area = 0.0;                     // the surface's, in square metres
  double watched = 0.0;                  // (union of the patches) within the surface
  int overlap = 0;                       // most patches sharing positive area at one point
  std::vector<CPlanarRegion> blindSpots; // each at least kMinBlindSpotArea
  double blindArea = 0.0;                // of the blind spots listed
  // Each usable patch within the surface; one patch may leave several parts.
  std::vector<CPlanarRegion> patchParts;
  size_t nPatches = 0; // patches handed in
  size_t nHulled = 0;  // not simple, replaced by their convex hull
  size_t nSkipped = 0; // nothing finite left of them

  // watched / area; 0 for a surface without area.
  double Share() const { return area > 0.0 ? watched / area : 0.0; }
};

// Measures one surface against the patches on it, all in world coordinates
// and in (or, within CAD1's tolerance, near) one plane. A surface that is not
// a simple polygon is measured as its convex hull; one without finite area
// has none and is watched nowhere. Never fails: what cannot be measured is
// skipped and counted.
CSurfaceCoverage AnalyseSurface(const CVectorArray& surface, const std::vector<const CVectorArray*>& patches);
