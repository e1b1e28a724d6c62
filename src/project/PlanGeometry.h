#pragma once

#include "RoomPlan.h"

// Plane geometry of room plans, on Boost.Geometry where it has the test.

// Positive when the corners run counter-clockwise.
double SignedArea(const CPlanPolygon& polygon);
// At least three corners, no two consecutive ones equal, no edge crossing or
// touching another except its neighbours at their shared corner.
bool IsSimplePolygon(const CPlanPolygon& polygon);
// Inside or on the boundary.
bool IsCoveredBy(const CPlanPoint& point, const CPlanPolygon& polygon);
bool IsCoveredBy(const CPlanPolygon& inner, const CPlanPolygon& outer);
// The interiors share some area; touching edges do not count.
bool Overlap(const CPlanPolygon& a, const CPlanPolygon& b);
double DistanceToBoundary(const CPlanPoint& point, const CPlanPolygon& polygon);
CPlanPoint Centroid(const CPlanPolygon& polygon);
// The centre of the largest circle inside the simple polygon, to `precision`.
CPlanPoint InscribedCentre(const CPlanPolygon& polygon, double precision);
// The inner angle at corner K is below 180 degrees.
bool IsConvexCorner(const CPlanPolygon& polygon, size_t corner);
// The corners of an obstacle's footprint, counter-clockwise.
CPlanPolygon Footprint(const CPlanObstacle& obstacle);
// Convex pieces that tile the simple polygon, each counter-clockwise; the
// polygon itself when it is convex.
std::vector<CPlanPolygon> ConvexPieces(const CPlanPolygon& polygon);
