#pragma once

#include "Vector.h"

// Twice the vector area of a closed polygon (a fan from its first vertex):
// its length is twice the area, its direction the winding's normal.
CVector TwiceVectorArea(const CVectorArray& polygon);
// Area of a planar polygon in square metres (either winding); 0 for fewer
// than three vertices.
double PolygonArea(const CVectorArray& polygon);
// Area-weighted centre of a planar polygon; the vertex mean when it has no area.
CVector PolygonCentroid(const CVectorArray& polygon);
