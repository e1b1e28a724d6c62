#include "ExactPlane.h"

#include <boost/geometry.hpp>

#include <algorithm>
#include <cmath>

namespace {

namespace bg = boost::geometry;
using PlanePoints = std::vector<std::pair<double, double>>;

// Patches reach at most this far past the surface before they are cut.
constexpr double kWindowMargin = 1.0;

// One side of a Sutherland-Hodgman cut: keeps the points whose coordinate
// `axis` is on the kept side of `limit`, adding the crossings exactly on it.
PlanePoints CutAt(const PlanePoints& points, int axis, double limit, bool keepBelow)
{
  auto coordinate = [axis](const std::pair<double, double>& p) { return axis == 0 ? p.first : p.second; };
  auto kept = [&](const std::pair<double, double>& p) {
    return keepBelow ? coordinate(p) <= limit : coordinate(p) >= limit;
  };
  PlanePoints cut;
  for (size_t i = 0; i < points.size(); ++i) {
    const auto& a = points[i];
    const auto& b = points[(i + 1) % points.size()];
    if (kept(a))
      cut.push_back(a);
    if (kept(a) != kept(b)) {
      double t = (limit - coordinate(a)) / (coordinate(b) - coordinate(a));
      double other = axis == 0 ? a.second + t * (b.second - a.second) : a.first + t * (b.first - a.first);
      cut.push_back(axis == 0 ? std::pair{limit, other} : std::pair{other, limit});
    }
  }
  return cut;
}

std::int64_t ToGrid(double metres)
{
  return std::llround(metres * kGridPerMetre);
}

double ToMetres(std::int64_t steps)
{
  return static_cast<double>(steps) / kGridPerMetre;
}

} // namespace

double AreaOf(const ExactPolygon& part)
{
  return static_cast<double>(bg::area(part)) / (kGridPerMetre * kGridPerMetre);
}

double AreaOf(const ExactParts& parts)
{
  return static_cast<double>(bg::area(parts)) / (kGridPerMetre * kGridPerMetre);
}

std::optional<CExactPlane> CExactPlane::Make(const CVectorArray& surface)
{
  std::optional<CPlaneFrame> frame = MakePlaneFrame(surface);
  if (!frame)
    return std::nullopt;
  CExactPlane plane;
  plane.m_frame = *frame;
  plane.m_lowU = plane.m_lowV = HUGE_VAL;
  plane.m_highU = plane.m_highV = -HUGE_VAL;
  for (const CVector& p : surface) {
    double u = frame->U(p), v = frame->V(p);
    if (!std::isfinite(u) || !std::isfinite(v))
      return std::nullopt;
    plane.m_lowU = std::min(plane.m_lowU, u - kWindowMargin);
    plane.m_lowV = std::min(plane.m_lowV, v - kWindowMargin);
    plane.m_highU = std::max(plane.m_highU, u + kWindowMargin);
    plane.m_highV = std::max(plane.m_highV, v + kWindowMargin);
  }
  double limit = ToMetres(kMaxGridCoordinate);
  if (std::max({-plane.m_lowU, -plane.m_lowV, plane.m_highU, plane.m_highV}) >= limit)
    return std::nullopt;
  return plane;
}

std::optional<ExactPolygon> CExactPlane::Snap(const CVectorArray& vertices) const
{
  PlanePoints points;
  for (const CVector& p : vertices)
    points.emplace_back(m_frame.U(p), m_frame.V(p));
  return SnapPlane(std::move(points));
}

std::optional<ExactPolygon> CExactPlane::SnapPlane(PlanePoints points) const
{
  for (const auto& [u, v] : points)
    if (!std::isfinite(u) || !std::isfinite(v))
      return std::nullopt;
  // Cut only what reaches out of the window: a cut adds no corner inside it.
  bool outside = std::any_of(points.begin(), points.end(), [this](const auto& p) {
    return p.first < m_lowU || p.first > m_highU || p.second < m_lowV || p.second > m_highV;
  });
  if (outside) {
    points = CutAt(points, 0, m_lowU, false);
    points = CutAt(points, 0, m_highU, true);
    points = CutAt(points, 1, m_lowV, false);
    points = CutAt(points, 1, m_highV, true);
  }
  ExactPolygon polygon;
  if (points.empty())
    return polygon;
  for (const auto& [u, v] : points)
    bg::append(polygon.outer(), ExactPoint(ToGrid(u), ToGrid(v)));
  bg::correct(polygon);
  return polygon;
}

CPlanarRegion CExactPlane::ToRegion(const ExactPolygon& polygon) const
{
  auto toWorld = [this](const ExactRing& ring) {
    CVectorArray world;
    // A closed ring repeats its first point at the end.
    for (size_t i = 0; i + 1 < ring.size(); ++i)
      world.push_back(m_frame.At(ToMetres(ring[i].x()), ToMetres(ring[i].y())));
    return world;
  };
  CPlanarRegion region;
  region.outer = toWorld(polygon.outer());
  for (const ExactRing& hole : polygon.inners())
    region.holes.push_back(toWorld(hole));
  region.area = AreaOf(polygon);
  return region;
}
