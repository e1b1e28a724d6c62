#pragma once

#include "Vector.h"

// Ellipse of semi-axes r*fx, r*fy lying on the carrying plane
// z = slopeX*x + slopeY*y + offsetZ shared by the ring and segment shapes.
struct CFlatEllipse {
  double fx, fy;
  double offsetZ, slopeX, slopeY;

  CVector Point(double r, double t) const
  {
    CVector p = EllipsePoint(r * fx, r * fy, t);
    p.z = slopeX * p.x + slopeY * p.y + offsetZ;
    return p;
  }

  // Normal of the carrying plane; the shapes wind counter-clockwise about it.
  CVector Normal() const { return {-slopeX, -slopeY, 1.0}; }
};
