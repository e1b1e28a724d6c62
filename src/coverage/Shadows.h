#pragma once

#include "ExactPlane.h"

// The shadows the casters throw on a plane from their centre, within the
// plane's window: each occluder cut to the part more than 1 mm in front of
// the plane (on the centre's side) and short of the centre's own level, then
// projected from the centre onto the plane.
struct CShadows {
  ExactParts region;      // the union of the shadows
  size_t nDegenerate = 0; // occluders without area or not finite: no shadow
};

CShadows CastShadows(const CExactPlane& plane, const CShadowCasters& casters);
