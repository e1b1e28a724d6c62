#include "ProjectAndClip.h"

#include "Intersect.h"
#include "PolygonMeasure.h"

#include <algorithm>

namespace {

struct CTaggedPoint {
  CVector point;
  size_t tag; // 0: a vertex of the image; e + 1: crossing with surface edge e
};

constexpr size_t kStackVertices = 16;

} // namespace

void CBounds::Add(const CVector& v)
{
  low = {std::min(low.x, v.x), std::min(low.y, v.y), std::min(low.z, v.z)};
  high = {std::max(high.x, v.x), std::max(high.y, v.y), std::max(high.z, v.z)};
}

bool CBounds::Near(const CBounds& other, double margin) const
{
  return low.x <= other.high.x + margin && other.low.x <= high.x + margin && low.y <= other.high.y + margin &&
         other.low.y <= high.y + margin && low.z <= other.high.z + margin && other.low.z <= high.z + margin;
}

CClipTarget::CClipTarget(const CVectorArray& points) : vertices(points), offset(0.0)
{
  if (points.size() >= 3) {
    normal = Cross(points[1] - points[0], points[2] - points[0]);
    offset = normal.Dot(points[0]);
  }
  for (const CVector& v : points)
    bounds.Add(v);
}

void CFacetProjector::ProjectOnto(const CClipTarget& target)
{
  m_bHasImage = true;
  m_imageNormal = target.normal;
  m_imageOffset = target.offset;
  m_image.clear();
  m_imageBounds = CBounds();

  size_t n = m_facet.size();
  CVector stackHits[kStackVertices];
  char stackValid[kStackVertices];
  std::vector<CVector> heapHits;
  std::vector<char> heapValid;
  CVector* hits = stackHits;
  char* valid = stackValid;
  if (n > kStackVertices) {
    heapHits.resize(n);
    heapValid.resize(n);
    hits = heapHits.data();
    valid = heapValid.data();
  }
  const CVector& t0 = target.vertices[0];
  for (size_t i = 0; i < n; ++i)
    valid[i] = static_cast<char>(IntersectLinePlane(m_centre, m_facet[i], target.normal, t0, hits[i], kLineRay));

  for (size_t i = 0; i < n; ++i) {
    if (valid[i]) {
      m_image.push_back(hits[i]);
      continue;
    }
    // A vertex whose ray never meets the plane: where the edge towards a
    // neighbour that does meet it crosses the plane, pushed far out.
    for (size_t j : {(i + n - 1) % n, (i + 1) % n}) {
      if (!valid[j])
        continue;
      CVector twice = m_centre + 2.0 * (hits[j] - m_centre);
      CVector x;
      if (IntersectLinePlane(m_facet[i], twice, target.normal, t0, x, kLineSegment))
        m_image.push_back(hits[j] + kFarPointFactor * (x - hits[j]));
    }
  }
  // The walk along the surface from each crossing goes forward through its
  // vertices, which only follows the image's edges when both wind alike.
  if (m_image.size() >= 3 && TwiceVectorArea(m_image).Dot(target.normal) < 0.0)
    std::reverse(m_image.begin(), m_image.end());
  for (const CVector& v : m_image)
    m_imageBounds.Add(v);
}

CVectorArray CFacetProjector::Clip(const CClipTarget& target)
{
  CVectorArray result;
  const CVectorArray& t = target.vertices;
  if (m_facet.size() < 3 || t.size() < 3)
    return result;
  if (!m_bHasImage || !(m_imageNormal == target.normal) || m_imageOffset != target.offset)
    ProjectOnto(target);
  const CVectorArray& image = m_image;
  // The image lies in the surface plane: when it stays farther than the
  // tolerance from the surface, no vertex, crossing or enclosure can follow.
  if (image.empty() || !m_imageBounds.Near(target.bounds, 2 * kClipTolerance))
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

CVectorArray ProjectAndClip(const CVector& p, const CVectorArray& a, const CVectorArray& t)
{
  return CFacetProjector(p, a).Clip(CClipTarget(t));
}
