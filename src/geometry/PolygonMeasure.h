#pragma once

#include "Vector.h"

// Area of a planar polygon in square metres (either winding); 0 for fewer
// than three vertices.
double PolygonArea(const CVectorArray& polygon);
// Area-weighted centre of a planar polygon; the vertex mean when it has no area.
CVector PolygonCentroid(const CVectorArray& polygon);
