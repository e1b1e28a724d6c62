#pragma once

#include "Vector.h"

// Line modes: which part of the line A + t*(B - A) counts. Any other value
// accepts nothing.
constexpr int kLineInfinite = 0;   // every t
constexpr int kLineRay = 1;        // t >= 0
constexpr int kLineSegment = 2;    // 0 <= t <= 1
constexpr int kLineRaySegment = 3; // line-line only: first a ray, second a segment

// Every routine returns the number of points found (0 or 1, the quadrics up
// to 2). The list forms append their points to the caller's list and leave it
// untouched otherwise; the other outputs are only written on success.

// Plane through p0 with normal n (any length); a line parallel to the plane,
// or lying in it, gives 0.
int IntersectLinePlane(const CVector& a, const CVector& b, const CVector& n, const CVector& p0, CVector& hit, int mode);
int IntersectLinePlane(const CVector& a, const CVector& b, const CVector& n, const CVector& p0, CVectorArray& list,
                       int mode);

// The plane of a polygon with at least three vertices, without an inside test.
int IntersectLinePolygonPlane(const CVector& a, const CVector& b, const CVectorArray& polygon, CVector& hit, int mode);
// The plane hit, when it lies strictly inside the convex polygon.
int IntersectLinePolygon(const CVector& a, const CVector& b, const CVectorArray& polygon, CVectorArray& list, int mode);

// 1 when p, projected along the polygon's normal, lies inside the convex
// polygon (either winding); points on the line of an edge are outside.
int IsPointInPolygon(const CVector& p, const CVectorArray& polygon);

// Parameters s, t of the closest points of a1 + s*(b1 - a1) and
// a2 + t*(b2 - a2); 0 for parallel lines.
int ClosestLineParameters(const CVector& a1, const CVector& b1, const CVector& a2, const CVector& b2, double& s,
                          double& t);
// Appends the midpoint of the closest points when the lines pass within
// tolerance of each other and the mode accepts both parameters.
int IntersectLineLine(const CVector& a1, const CVector& b1, const CVector& a2, const CVector& b2, double tolerance,
                      CVectorArray& list, int mode);

// Surface (x-cx)^2/fx^2 + (y-cy)^2/fy^2 + (z-cz)^2/fz^2 = r^2. Two hits are
// appended far one first; a tangent line gives one.
int IntersectLineEllipsoid(const CVector& a, const CVector& b, const CVector& centre, double r, double fx, double fy,
                           double fz, CVectorArray& list, int mode);
// Cone (both nappes) around the z axis with radius r1 at z1 and r2 at z2, in
// its local frame; hits ordered as for the ellipsoid.
int IntersectLineCone(const CVector& a, const CVector& b, double r1, double r2, double z1, double z2,
                      CVectorArray& list, int mode);
