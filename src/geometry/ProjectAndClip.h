#pragma once

#include "Vector.h"

// Distance within which a projected edge and a surface edge count as crossing.
constexpr double kClipTolerance = 0.1;
// How far a facet vertex that never reaches the plane is pushed out along it.
constexpr double kFarPointFactor = 100000.0;

// Axis-aligned bounds of a point set.
struct CBounds {
  CVector low{1e308, 1e308, 1e308};
  CVector high{-1e308, -1e308, -1e308};

  void Add(const CVector& v);
  // Whether the bounds come within margin of each other on every axis.
  bool Near(const CBounds& other, double margin) const;
};

// A convex surface prepared for clipping: its plane and bounds, computed once.
struct CClipTarget {
  explicit CClipTarget(const CVectorArray& vertices);

  const CVectorArray& vertices;
  CVector normal; // (t1 - t0) x (t2 - t0)
  double offset;  // normal . t0
  CBounds bounds;
};

// Projects one facet from a centre onto surfaces and keeps the part that
// falls on each. The facet's image on a plane is kept for the next surface
// in the same plane, as the tiles of a floor are.
class CFacetProjector {
public:
  CFacetProjector(const CVector& centre, const CVectorArray& facet) : m_centre(centre), m_facet(facet) {}

  // The watched part of the surface in world coordinates; fewer than three
  // vertices when the facet watches none of it.
  CVectorArray Clip(const CClipTarget& target);

private:
  void ProjectOnto(const CClipTarget& target);

  CVector m_centre;
  const CVectorArray& m_facet;
  bool m_bHasImage = false;
  CVector m_imageNormal;
  double m_imageOffset = 0.0;
  CVectorArray m_image;
  CBounds m_imageBounds;
};

// One facet a seen from p onto one surface t.
CVectorArray ProjectAndClip(const CVector& p, const CVectorArray& a, const CVectorArray& t);
