#include "ProjectAndClip.h"

#include "Intersect.h"

#include <algorithm>
#include <cmath>

namespace {

struct CBox {
  CVector low{HUGE_VAL, HUGE_VAL, HUGE_VAL};
  CVector high{-HUGE_VAL, -HUGE_VAL, -HUGE_VAL};

  void Add(const CVector& v)
  {
    low = {std::min(low.x, v.x), std::min(low.y, v.y), std::min(low.z, v.z)};
    high = {std::max(high.x, v.x), std::max(high.y, v.y), std::max(high.z, v.z)};
  }
  // Whether the boxes come closer than margin on every axis.
  bool Near(const CBox& other, double margin) const
  {
    return low.x <= other.high.x + margin && other.low.x <= high.x + margin && low.y <= other.high.y + margin &&
           other.low.y <= high.y + margin && low.z <= other.high.z + margin && other.low.z <= high.z + margin;
  }
};

CBox BoxOf(const CVectorArray& points)
{
  CBox box;
  for (const CVector& v : points)
    box.Add(v);
  return box;
}

// The facet's image on the surface plane, vertex by vertex.
CVectorArray ProjectOntoPlane(const CVector& p, const CVectorArray& a, const CVector& normal, const CVector& t0)
{
  size_t n = a.size();
  std::vector<CVector> hits(n);
  std::vector<char> valid(n);
  for (size_t i = 0; i < n; ++i)
    valid[i] = static_cast<char>(IntersectLinePlane(p, a[i], normal, t0, hits[i], kLineRay));

  CVectorArray image;
  image.reserve(2 * n);
  for (size_t i = 0; i < n; ++i) {
    if (valid[i]) {
      image.push_back(hits[i]);
      continue;
    }
    // A vertex whose ray never meets the plane: where the edge towards a
    // neighbour that does meet it crosses the plane, pushed far out.
    for (size_t j : {(i + n - 1) % n, (i + 1) % n}) {
      if (!valid[j])
        continue;
      CVector twice = p + 2.0 * (hits[j] - p);
      CVector x;
      if (IntersectLinePlane(a[i], twice, normal, t0, x, kLineSegment))
        image.push_back(hits[j] + kFarPointFactor * (x - hits[j]));
    }
  }
  return image;
}

struct CTaggedPoint {
  CVector point;
  size_t tag; // 0: a vertex of the image; e + 1: crossing with surface edge e
};

} // namespace

CVectorArray ProjectAndClip(const CVector& p, const CVectorArray& a, const CVectorArray& t)
{
  CVectorArray result;
  if (a.size() < 3 || t.size() < 3)
    return result;
  CVector normal = Cross(t[1] - t[0], t[2] - t[0]);
  CVectorArray image = ProjectOntoPlane(p, a, normal, t[0]);
  if (image.empty())
    return result;
  // The image lies in the surface plane: when it stays farther than the
  // tolerance from the surface, no vertex, crossing or enclosure can follow.
  if (!BoxOf(image).Near(BoxOf(t), 2 * kClipTolerance))
    return result;

  size_t m = t.size();
  std::vector<CTaggedPoint> clipped;
  CVectorArray crossings;
  for (size_t k = 0; k < image.size(); ++k) {
    const CVector& c = image[k];
    const CVector& next = image[(k + 1) % image.size()];
    if (IsPointInPolygon(c, t))
      clipped.push_back({c, 0});
    size_t found = 0;
    for (size_t e = 0; e < m; ++e) {
      crossings.clear();
      if (IntersectLineLine(c, next, t[e], t[(e + 1) % m], kClipTolerance, crossings, kLineSegment)) {
        clipped.push_back({crossings.front(), e + 1});
        ++found;
      }
    }
    if (found > 1) {
      CTaggedPoint& earlier = clipped[clipped.size() - 2];
      CTaggedPoint& later = clipped.back();
      if ((earlier.point - c).Length() > (later.point - c).Length())
        std::swap(earlier, later);
    }
  }

  for (const CTaggedPoint& d : clipped) {
    result.push_back(d.point);
    if (d.tag == 0)
      continue;
    for (size_t step = 0; step < m; ++step) {
      const CVector& corner = t[(d.tag + step) % m];
      if (image.size() < 3 || !IsPointInPolygon(corner, image))
        break;
      result.push_back(corner);
    }
  }

  // An image that encloses the whole surface neither leaves a vertex on it
  // nor crosses its edges: the facet watches the surface entirely.
  if (result.empty() && image.size() >= 3 &&
      std::all_of(t.begin(), t.end(), [&image](const CVector& corner) { return IsPointInPolygon(corner, image); }))
    result = t;
  return result;
}
