#pragma once

#include "Vector.h"

#include <optional>

// Orthonormal axes in the plane of a surface, so that areas measured in the
// plane's own coordinates are areas in space.
struct CPlaneFrame {
  CVector origin;
  CVector u;
  CVector v;
  CVector normal; // unit, u x v; follows the polygon's winding

  double U(const CVector& p) const { return (p - origin).Dot(u); }
  double V(const CVector& p) const { return (p - origin).Dot(v); }
  CVector At(double a, double b) const { return origin + a * u + b * v; }
};

// The frame of a polygon's plane (Newell's normal, so collinear first
// vertices do not matter); none when no three vertices span a finite area.
std::optional<CPlaneFrame> MakePlaneFrame(const CVectorArray& polygon);
