#include "Intersect.h"

#include <cmath>

namespace {

// Written as acceptance tests so that a non-number parameter is refused.
bool AcceptsParameter(double t, int mode)
{
  switch (mode) {
  case kLineInfinite:
    return true;
  case kLineRay:
    return t >= 0.0;
  case kLineSegment:
    return t >= 0.0 && t <= 1.0;
  default:
    return false;
  }
}

CVector PolygonNormal(const CVectorArray& polygon)
{
  return Cross(polygon[1] - polygon[0], polygon[2] - polygon[0]);
}

// p must lie on the inner side of every edge. A point on an edge's line gives
// a zero c that normalises to non-numbers, so the test is written to fail on
// those rather than to pass.
bool IsInsideEdges(const CVector& p, const CVectorArray& polygon, CVector n)
{
  n.Normalize();
  size_t count = polygon.size();
  for (size_t i = 0; i < count; ++i) {
    const CVector& vi = polygon[i];
    const CVector& vj = polygon[(i + 1) % count];
    CVector c = Cross(vj - vi, p - vi);
    c.Normalize();
    if (!(c.Dot(n) >= 0.0))
      return false;
  }
  return true;
}

// Appends the roots h +- sqrt(disc) of a quadric along a + t*d, the far one
// first; a zero disc is a tangent with the single root h.
int AppendQuadricRoots(const CVector& a, const CVector& d, double h, double disc, CVectorArray& list, int mode)
{
  if (!(disc >= 0.0))
    return 0;
  if (disc == 0.0) {
    if (!AcceptsParameter(h, mode))
      return 0;
    list.push_back(a + h * d);
    return 1;
  }
  double q = std::sqrt(disc);
  int found = 0;
  for (double t : {h + q, h - q}) {
    if (AcceptsParameter(t, mode)) {
      list.push_back(a + t * d);
      ++found;
    }
  }
  return found;
}

} // namespace

int IntersectLinePlane(const CVector& a, const CVector& b, const CVector& n, const CVector& p0, CVector& hit, int mode)
{
  CVector d = b - a;
  double num = n.Dot(p0) - n.Dot(a);
  double den = n.Dot(d);
  if (den == 0.0)
    return 0;
  double t = num / den;
  if (!AcceptsParameter(t, mode))
    return 0;
  hit = a + t * d;
  return 1;
}

int IntersectLinePlane(const CVector& a, const CVector& b, const CVector& n, const CVector& p0, CVectorArray& list,
                       int mode)
{
  CVector hit;
  if (!IntersectLinePlane(a, b, n, p0, hit, mode))
    return 0;
  list.push_back(hit);
  return 1;
}

int IntersectLinePolygonPlane(const CVector& a, const CVector& b, const CVectorArray& polygon, CVector& hit, int mode)
{
  if (polygon.size() < 3)
    return 0;
  return IntersectLinePlane(a, b, PolygonNormal(polygon), polygon[0], hit, mode);
}

int IntersectLinePolygon(const CVector& a, const CVector& b, const CVectorArray& polygon, CVectorArray& list, int mode)
{
  if (polygon.size() < 3)
    return 0;
  CVector n = PolygonNormal(polygon);
  CVector hit;
  if (!IntersectLinePlane(a, b, n, polygon[0], hit, mode))
    return 0;
  if (!IsInsideEdges(hit, polygon, n))
    return 0;
  list.push_back(hit);
  return 1;
}

int IsPointInPolygon(const CVector& p, const CVectorArray& polygon)
{
  if (polygon.size() < 3)
    return 0;
  return IsInsideEdges(p, polygon, PolygonNormal(polygon)) ? 1 : 0;
}

int ClosestLineParameters(const CVector& a1, const CVector& b1, const CVector& a2, const CVector& b2, double& s,
                          double& t)
{
  CVector d1 = b1 - a1;
  CVector d2 = b2 - a2;
  CVector w = a2 - a1;
  double a = d1.Dot(d1);
  double b = d1.Dot(d2);
  double c = d2.Dot(d2);
  double e = d1.Dot(w);
  double f = d2.Dot(w);
  double det = a * c - b * b;
  if (det == 0.0)
    return 0;
  s = (c * e - b * f) / det;
  t = (b * e - a * f) / det;
  return 1;
}

int IntersectLineLine(const CVector& a1, const CVector& b1, const CVector& a2, const CVector& b2, double tolerance,
                      CVectorArray& list, int mode)
{
  double s = 0.0;
  double t = 0.0;
  if (!ClosestLineParameters(a1, b1, a2, b2, s, t))
    return 0;
  CVector q1 = a1 + s * (b1 - a1);
  CVector q2 = a2 + t * (b2 - a2);
  // A distance equal to the tolerance still counts as crossing.
  if (!((q2 - q1).Length() <= tolerance))
    return 0;
  bool accepted = false;
  switch (mode) {
  case kLineInfinite:
  case kLineRay:
  case kLineSegment:
    accepted = AcceptsParameter(s, mode) && AcceptsParameter(t, mode);
    break;
  case kLineRaySegment:
    accepted = AcceptsParameter(s, kLineRay) && AcceptsParameter(t, kLineSegment);
    break;
  default:
    break;
  }
  if (!accepted)
    return 0;
  list.push_back(q1 + 0.5 * (q2 - q1));
  return 1;
}

int IntersectLineEllipsoid(const CVector& a, const CVector& b, const CVector& centre, double r, double fx, double fy,
                           double fz, CVectorArray& list, int mode)
{
  CVector d = b - a;
  CVector w = a - centre;
  double alpha = 0.0;
  double beta = 0.0;
  double gamma = 0.0;
  if (fx == 1.0 && fy == 1.0 && fz == 1.0) {
    alpha = d.Dot(d);
    beta = 2.0 * w.Dot(d);
    gamma = w.Dot(w);
  } else {
    double kx = 1.0 / (fx * fx);
    double ky = 1.0 / (fy * fy);
    double kz = 1.0 / (fz * fz);
    alpha = kx * (d.x * d.x) + ky * (d.y * d.y) + kz * (d.z * d.z);
    beta = 2.0 * (kx * w.x * d.x + ky * w.y * d.y + kz * w.z * d.z);
    gamma = kx * (w.x * w.x) + ky * (w.y * w.y) + kz * (w.z * w.z);
  }
  // A zero-length line has no direction to solve along.
  if (alpha == 0.0)
    return 0;
  double h = -0.5 * beta / alpha;
  double disc = h * h - (gamma - r * r) / alpha;
  return AppendQuadricRoots(a, d, h, disc, list, mode);
}

int IntersectLineCone(const CVector& a, const CVector& b, double r1, double r2, double z1, double z2,
                      CVectorArray& list, int mode)
{
  CVector d = b - a;
  double k = (r2 - r1) / (z2 - z1);
  double r0 = r1 + (a.z - z1) * k;
  double alpha = d.x * d.x + d.y * d.y - (d.z * d.z) * (k * k);
  // Lines along the axis of a cylinder or along a surface line of the cone
  // leave no quadratic to solve.
  if (alpha == 0.0)
    return 0;
  double beta = 2.0 * (a.x * d.x + a.y * d.y - d.z * r0 * k);
  double gamma = a.x * a.x + a.y * a.y - r0 * r0;
  double h = -0.5 * beta / alpha;
  double disc = h * h - gamma / alpha;
  return AppendQuadricRoots(a, d, h, disc, list, mode);
}
