#include "PlaneFrame.h"

#include <cmath>

namespace {

bool IsFinite(const CVector& v)
{
  return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

CVector Normalized(const CVector& v)
{
  return v * (1.0 / v.Length());
}

} // namespace

std::optional<CPlaneFrame> MakePlaneFrame(const CVectorArray& polygon)
{
  if (polygon.size() < 3)
    return std::nullopt;
  const CVector& origin = polygon.front();
  CVector twiceArea;
  CVector largest; // the fan's largest triangle, for self-crossing polygons whose lobes cancel
  for (size_t i = 1; i + 1 < polygon.size(); ++i) {
    CVector triangle = Cross(polygon[i] - origin, polygon[i + 1] - origin);
    twiceArea = twiceArea + triangle;
    if (triangle.Length() > largest.Length())
      largest = triangle;
  }
  if (!(twiceArea.Length() > 1e-9 * largest.Length()))
    twiceArea = largest;
  double length = twiceArea.Length();
  if (!IsFinite(twiceArea) || !(length > 0.0))
    return std::nullopt;
  CPlaneFrame frame;
  frame.origin = origin;
  frame.normal = Normalized(twiceArea);
  // The world axis least along the normal gives a well-conditioned u.
  const CVector& n = frame.normal;
  CVector axis = std::fabs(n.x) <= std::fabs(n.y) && std::fabs(n.x) <= std::fabs(n.z) ? CVector{1.0, 0.0, 0.0}
                 : std::fabs(n.y) <= std::fabs(n.z)                                   ? CVector{0.0, 1.0, 0.0}
                                                                                      : CVector{0.0, 0.0, 1.0};
  frame.u = Normalized(Cross(axis, n));
  frame.v = Cross(n, frame.u);
  return frame;
}
