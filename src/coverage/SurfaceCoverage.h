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
  friend bool operator==(const CPlanarRegion&, const CPlanarRegion&) = default;
};

// What may hide parts of the patches on a surface: the point CAD1 casts its
// rays from and the other target surfaces.
struct CShadowCasters {
  CVector centre;
  std::vector<const CVectorArray*> occluders;
};

// How the patches on one surface watch it. Without shadow casters every
// patch counts whole; with them only its visible parts.
struct CSurfaceCoverage {
  double area = 0.0;                     // the surface's, in square metres
  double watched = 0.0;                  // (union of the visible parts) within the surface
  double hidden = 0.0;                   // reached by patches, but covered by no visible part
  int overlap = 0;                       // most visible parts sharing positive area at one point
  std::vector<CPlanarRegion> blindSpots; // each at least kMinBlindSpotArea
  double blindArea = 0.0;                // of the blind spots listed
  // The visible parts of each usable patch within the surface; one patch
  // may leave several parts.
  std::vector<CPlanarRegion> patchParts;
  // Reached by patches, seen by none of their visible parts: what shadows
  // take from the surface (of area `hidden`), apart from what no patch reaches.
  std::vector<CPlanarRegion> shadowed;
  std::vector<CPlanarRegion> hiddenParts; // what shadows take from the patches
  size_t nPatches = 0;                    // patches handed in
  size_t nHulled = 0;                     // not simple, replaced by their convex hull
  size_t nSkipped = 0;                    // nothing finite left of them
  size_t nGuarded = 0;                    // an area check failed: taken as they were, or recomputed
  size_t nDegenerateOccluders = 0;        // without area or not finite: they hide nothing

  // watched / area; 0 for a surface without area.
  double Share() const { return area > 0.0 ? watched / area : 0.0; }
  friend bool operator==(const CSurfaceCoverage&, const CSurfaceCoverage&) = default;
};

// Measures one surface against the patches on it, all in world coordinates
// and in (or, within CAD1's tolerance, near) one plane; with casters, a
// patch counts only where the segment to the centre crosses no occluder
// lying more than 1 mm in front of the plane. A surface that is not a simple
// polygon is measured as its convex hull; one without finite area, or
// reaching beyond about 530 m from its first vertex, has none and is watched
// nowhere. Never fails: what cannot be measured is skipped and counted.
CSurfaceCoverage AnalyseSurface(const CVectorArray& surface, const std::vector<const CVectorArray*>& patches,
                                const CShadowCasters* casters = nullptr);
