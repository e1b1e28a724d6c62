#pragma once

#include "PlaneFrame.h"
#include "SurfaceCoverage.h"

#include <boost/geometry/geometries/multi_polygon.hpp>
#include <boost/geometry/geometries/point_xy.hpp>
#include <boost/geometry/geometries/polygon.hpp>

#include <boost/geometry/util/promote_integral.hpp>

#include <cstdint>
#include <optional>

// Polygons in a surface's plane on a grid of one micrometre: Boost.Geometry
// decides touching and crossing on integers exactly, where on doubles it
// may lose a part that only touches the surface's edge.
using ExactPoint = boost::geometry::model::d2::point_xy<std::int64_t>;
using ExactRing = boost::geometry::model::ring<ExactPoint>;
using ExactPolygon = boost::geometry::model::polygon<ExactPoint>;
using ExactParts = boost::geometry::model::multi_polygon<ExactPolygon>;

static_assert(sizeof(boost::geometry::promote_integral<std::int64_t>::type) >= 16,
              "crossing points need 128-bit products: define BOOST_GEOMETRY_ENABLE_INT128");

// Grid steps per metre.
constexpr double kGridPerMetre = 1e6;
// Largest coordinate a polygon may keep, in grid steps (2^29, about 536 m):
// the differences of two stay below 2^30, every product of two of them (side
// tests, segment ratios) below 2^61, inside 64 bits; the crossing points'
// products of three go through 128 bits.
constexpr std::int64_t kMaxGridCoordinate = std::int64_t{1} << 29;

double AreaOf(const ExactParts& parts);  // square metres
double AreaOf(const ExactPolygon& part); // square metres

// A plane's frame with its origin at the surface's first vertex, and the
// window around the surface that clipped polygons keep.
class CExactPlane {
public:
  // None when the surface has no frame, a vertex that is not finite, or lies
  // beyond the grid's bounds.
  static std::optional<CExactPlane> Make(const CVectorArray& surface);

  const CPlaneFrame& Frame() const { return m_frame; }
  // The polygon on the grid, cut to the window first (empty when nothing of
  // it lies there); none when a vertex is not finite.
  std::optional<ExactPolygon> Snap(const CVectorArray& vertices) const;
  // The same for points already in the plane's coordinates (metres).
  std::optional<ExactPolygon> SnapPlane(std::vector<std::pair<double, double>> points) const;
  CPlanarRegion ToRegion(const ExactPolygon& polygon) const;

private:
  CPlaneFrame m_frame;
  double m_lowU = 0.0, m_lowV = 0.0, m_highU = 0.0, m_highV = 0.0; // the window, metres
};
