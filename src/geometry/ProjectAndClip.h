#pragma once

#include "Vector.h"

// Projects the facet a from the centre p onto the plane of the convex surface
// t and keeps the part that falls on the surface, in world coordinates. The
// result has fewer than three vertices when the facet watches none of it.
CVectorArray ProjectAndClip(const CVector& p, const CVectorArray& a, const CVectorArray& t);

// Distance within which a projected edge and a surface edge count as crossing.
constexpr double kClipTolerance = 0.1;
// How far a facet vertex that never reaches the plane is pushed out along it.
constexpr double kFarPointFactor = 100000.0;
