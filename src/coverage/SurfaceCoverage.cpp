#include "SurfaceCoverage.h"

#include "PlaneFrame.h"

#include <boost/geometry.hpp>
#include <boost/geometry/geometries/multi_polygon.hpp>
#include <boost/geometry/geometries/point_xy.hpp>
#include <boost/geometry/geometries/polygon.hpp>

#include <algorithm>
#include <cmath>
#include <exception>
#include <optional>

namespace {

namespace bg = boost::geometry;
using Point = bg::model::d2::point_xy<double>;
using Ring = bg::model::ring<Point>;
using Polygon = bg::model::polygon<Point>;
using MultiPolygon = bg::model::multi_polygon<Polygon>;

// Below this, two patches only touch: a shared edge leaves numerical slivers.
constexpr double kPositiveArea = 1e-9;

bool IsFinite(const CVector& v)
{
  return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

// The polygon in the frame's coordinates; none when a vertex is not finite.
std::optional<Polygon> ToPlane(const CPlaneFrame& frame, const CVectorArray& vertices)
{
  Polygon polygon;
  for (const CVector& p : vertices) {
    if (!IsFinite(p))
      return std::nullopt;
    bg::append(polygon.outer(), Point(frame.U(p), frame.V(p)));
  }
  bg::correct(polygon);
  return polygon;
}

Polygon ConvexHull(const Polygon& polygon)
{
  Polygon hull;
  bg::convex_hull(polygon, hull);
  return hull;
}

CVectorArray ToWorld(const CPlaneFrame& frame, const Ring& ring)
{
  CVectorArray world;
  // A closed ring repeats its first point at the end.
  for (size_t i = 0; i + 1 < ring.size(); ++i)
    world.push_back(frame.At(ring[i].x(), ring[i].y()));
  return world;
}

CPlanarRegion ToRegion(const CPlaneFrame& frame, const Polygon& polygon)
{
  CPlanarRegion region;
  region.outer = ToWorld(frame, polygon.outer());
  for (const Ring& hole : polygon.inners())
    region.holes.push_back(ToWorld(frame, hole));
  region.area = bg::area(polygon);
  return region;
}

// Drops the parts without positive area.
MultiPolygon WithArea(MultiPolygon parts, double minArea)
{
  std::erase_if(parts, [minArea](const Polygon& part) { return !(bg::area(part) >= minArea); });
  return parts;
}

struct CBox {
  double lowX = HUGE_VAL, lowY = HUGE_VAL, highX = -HUGE_VAL, highY = -HUGE_VAL;
};

// The outer rings bound everything; holes lie within them.
CBox BoundsOf(const MultiPolygon& parts)
{
  CBox box;
  for (const Polygon& part : parts)
    for (const Point& p : part.outer()) {
      box.lowX = std::min(box.lowX, p.x());
      box.lowY = std::min(box.lowY, p.y());
      box.highX = std::max(box.highX, p.x());
      box.highY = std::max(box.highY, p.y());
    }
  return box;
}

bool BoxesShareArea(const MultiPolygon& a, const MultiPolygon& b)
{
  CBox boxA = BoundsOf(a);
  CBox boxB = BoundsOf(b);
  return boxA.lowX < boxB.highX && boxB.lowX < boxA.highX && boxA.lowY < boxB.highY && boxB.lowY < boxA.highY;
}

// Regions covered by at least 1, 2, 3, ... patches; the first is the union.
class CCoverLevels {
public:
  // Changes nothing when Boost.Geometry throws.
  void Add(const MultiPolygon& part)
  {
    std::vector<MultiPolygon> next(m_levels.size() + 1);
    std::vector<bool> changed(next.size());
    next[0] = Union(m_levels.empty() ? MultiPolygon() : m_levels[0], part);
    changed[0] = true;
    for (size_t k = 0; k < m_levels.size(); ++k) {
      if (!BoxesShareArea(m_levels[k], part))
        continue;
      MultiPolygon common;
      bg::intersection(m_levels[k], part, common);
      common = WithArea(std::move(common), kPositiveArea);
      if (common.empty())
        continue;
      next[k + 1] = k + 1 < m_levels.size() ? Union(m_levels[k + 1], common) : common;
      changed[k + 1] = true;
    }
    if (changed.back())
      m_levels.emplace_back();
    for (size_t k = 0; k < m_levels.size(); ++k)
      if (changed[k])
        m_levels[k] = std::move(next[k]);
  }

  // Levels are only opened with positive area, so their count is the overlap.
  int Depth() const { return static_cast<int>(m_levels.size()); }
  MultiPolygon Covered() const { return m_levels.empty() ? MultiPolygon() : m_levels[0]; }

private:
  static MultiPolygon Union(const MultiPolygon& a, const MultiPolygon& b)
  {
    MultiPolygon both;
    bg::union_(a, b, both);
    return both;
  }

  std::vector<MultiPolygon> m_levels;
};

struct CClippedPatch {
  MultiPolygon inside; // empty when the patch covers no area of the surface
  bool bHulled = false;
};

CClippedPatch ClipPatch(const Polygon& surface, Polygon patch)
{
  CClippedPatch clipped;
  if (!bg::is_valid(patch)) {
    patch = ConvexHull(patch);
    clipped.bHulled = true;
  }
  if (bg::area(patch) > 0.0)
    bg::intersection(surface, patch, clipped.inside);
  clipped.inside = WithArea(std::move(clipped.inside), kPositiveArea);
  return clipped;
}

} // namespace

CSurfaceCoverage AnalyseSurface(const CVectorArray& surface, const std::vector<const CVectorArray*>& patches)
{
  CSurfaceCoverage result;
  result.nPatches = patches.size();
  std::optional<CPlaneFrame> frame = MakePlaneFrame(surface);
  std::optional<Polygon> plane = frame ? ToPlane(*frame, surface) : std::nullopt;
  if (!plane) {
    result.nSkipped = patches.size();
    return result;
  }
  Polygon shape = bg::is_valid(*plane) ? *plane : ConvexHull(*plane);
  result.area = bg::area(shape);

  CCoverLevels levels;
  for (const CVectorArray* patch : patches) {
    std::optional<Polygon> patchPlane = patch->size() >= 3 ? ToPlane(*frame, *patch) : std::nullopt;
    if (!patchPlane) {
      ++result.nSkipped;
      continue;
    }
    // Boost.Geometry reports input it cannot overlay by throwing; such a
    // patch is skipped like one without finite vertices.
    try {
      CClippedPatch clipped = ClipPatch(shape, *patchPlane);
      result.nHulled += clipped.bHulled ? 1 : 0;
      // A simple patch beside the surface is no fault; a hull without area is.
      if (clipped.inside.empty()) {
        result.nSkipped += clipped.bHulled ? 1 : 0;
        continue;
      }
      levels.Add(clipped.inside);
      for (const Polygon& part : clipped.inside)
        result.patchParts.push_back(ToRegion(*frame, part));
    } catch (const std::exception&) {
      ++result.nSkipped;
    }
  }

  MultiPolygon covered = levels.Covered();
  result.watched = std::min(bg::area(covered), result.area);
  result.overlap = levels.Depth();
  try {
    MultiPolygon blind;
    bg::difference(shape, covered, blind);
    for (const Polygon& spot : WithArea(std::move(blind), kMinBlindSpotArea)) {
      result.blindSpots.push_back(ToRegion(*frame, spot));
      result.blindArea += result.blindSpots.back().area;
    }
  } catch (const std::exception&) {
    result.blindSpots.clear();
    result.blindArea = 0.0;
  }
  return result;
}
