#include "PlanGeometry.h"

#include <boost/geometry.hpp>
#include <boost/geometry/geometries/multi_polygon.hpp>
#include <boost/geometry/geometries/point_xy.hpp>
#include <boost/geometry/geometries/polygon.hpp>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <queue>

namespace {

namespace bg = boost::geometry;
using BPoint = bg::model::d2::point_xy<double>;
using BPolygon = bg::model::polygon<BPoint>; // clockwise, closed
using BMulti = bg::model::multi_polygon<BPolygon>;
using BLine = bg::model::linestring<BPoint>;

BPolygon ToBoost(const CPlanPolygon& polygon)
{
  BPolygon result;
  for (const CPlanPoint& p : polygon)
    result.outer().emplace_back(p.x, p.y);
  bg::correct(result);
  return result;
}

BLine Boundary(const CPlanPolygon& polygon)
{
  BLine line;
  for (const CPlanPoint& p : polygon)
    line.emplace_back(p.x, p.y);
  line.emplace_back(polygon.front().x, polygon.front().y);
  return line;
}

double Cross(const CPlanPoint& o, const CPlanPoint& a, const CPlanPoint& b)
{
  return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

bool IsConvexPiece(const CPlanPolygon& piece)
{
  for (size_t k = 0; k < piece.size(); ++k)
    if (Cross(piece[k], piece[(k + 1) % piece.size()], piece[(k + 2) % piece.size()]) < 0.0)
      return false;
  return true;
}

bool IsInTriangle(const CPlanPoint& p, const CPlanPoint& a, const CPlanPoint& b, const CPlanPoint& c)
{
  return Cross(a, b, p) >= 0.0 && Cross(b, c, p) >= 0.0 && Cross(c, a, p) >= 0.0;
}

// Ear clipping of a counter-clockwise simple polygon.
std::vector<std::vector<size_t>> Triangulate(const CPlanPolygon& polygon)
{
  std::vector<size_t> left(polygon.size());
  for (size_t k = 0; k < left.size(); ++k)
    left[k] = k;
  std::vector<std::vector<size_t>> triangles;
  while (left.size() > 3) {
    const size_t n = left.size();
    size_t ear = n;
    for (size_t k = 0; k < n && ear == n; ++k) {
      const CPlanPoint& a = polygon[left[(k + n - 1) % n]];
      const CPlanPoint& b = polygon[left[k]];
      const CPlanPoint& c = polygon[left[(k + 1) % n]];
      if (Cross(a, b, c) <= 0.0)
        continue;
      bool empty = true;
      for (size_t j = 0; j < n && empty; ++j) {
        const CPlanPoint& p = polygon[left[j]];
        const bool corner = j == k || j == (k + 1) % n || j == (k + n - 1) % n;
        empty = corner || !IsInTriangle(p, a, b, c);
      }
      if (empty)
        ear = k;
    }
    if (ear == n) // only collinear corners are left
      ear = 0;
    triangles.push_back({left[(ear + n - 1) % n], left[ear], left[(ear + 1) % n]});
    left.erase(left.begin() + static_cast<std::ptrdiff_t>(ear));
  }
  triangles.push_back(left);
  return triangles;
}

// Joins two pieces of corner indices along a shared edge a -> b of the first
// (b -> a in the second); empty when they share none.
std::vector<size_t> JoinAtSharedEdge(const std::vector<size_t>& first, const std::vector<size_t>& second)
{
  for (size_t i = 0; i < first.size(); ++i) {
    const size_t a = first[i];
    const size_t b = first[(i + 1) % first.size()];
    for (size_t j = 0; j < second.size(); ++j) {
      if (second[j] != b || second[(j + 1) % second.size()] != a)
        continue;
      std::vector<size_t> joined;
      for (size_t k = 0; k < first.size(); ++k)
        joined.push_back(first[(i + 1 + k) % first.size()]);
      for (size_t k = 2; k < second.size(); ++k)
        joined.push_back(second[(j + k) % second.size()]);
      return joined;
    }
  }
  return {};
}

CPlanPolygon PieceCorners(const CPlanPolygon& polygon, const std::vector<size_t>& piece)
{
  CPlanPolygon corners;
  for (size_t index : piece)
    corners.push_back(polygon[index]);
  return corners;
}

} // namespace

double SignedArea(const CPlanPolygon& polygon)
{
  double twice = 0.0;
  for (size_t k = 0; k < polygon.size(); ++k) {
    const CPlanPoint& a = polygon[k];
    const CPlanPoint& b = polygon[(k + 1) % polygon.size()];
    twice += a.x * b.y - b.x * a.y;
  }
  return twice / 2.0;
}

bool IsSimplePolygon(const CPlanPolygon& polygon)
{
  if (polygon.size() < 3)
    return false;
  for (size_t k = 0; k < polygon.size(); ++k) {
    const CPlanPoint& a = polygon[k];
    const CPlanPoint& b = polygon[(k + 1) % polygon.size()];
    if (a.x == b.x && a.y == b.y)
      return false;
  }
  return bg::is_valid(ToBoost(polygon)) && SignedArea(polygon) != 0.0;
}

bool IsCoveredBy(const CPlanPoint& point, const CPlanPolygon& polygon)
{
  return bg::covered_by(BPoint(point.x, point.y), ToBoost(polygon));
}

bool IsCoveredBy(const CPlanPolygon& inner, const CPlanPolygon& outer)
{
  return bg::covered_by(ToBoost(inner), ToBoost(outer));
}

bool Overlap(const CPlanPolygon& a, const CPlanPolygon& b)
{
  const BPolygon first = ToBoost(a);
  const BPolygon second = ToBoost(b);
  return bg::intersects(first, second) && !bg::touches(first, second);
}

double DistanceToBoundary(const CPlanPoint& point, const CPlanPolygon& polygon)
{
  return bg::distance(BPoint(point.x, point.y), Boundary(polygon));
}

CPlanPoint Centroid(const CPlanPolygon& polygon)
{
  BPoint centre;
  bg::centroid(ToBoost(polygon), centre);
  return {centre.x(), centre.y()};
}

// Cells of a square grid, the most promising first: a cell can hold no
// point farther from the boundary than its centre's distance plus its half
// diagonal.
CPlanPoint InscribedCentre(const CPlanPolygon& polygon, double precision)
{
  struct Cell {
    CPlanPoint centre;
    double half = 0.0;
    double distance = 0.0; // signed: negative outside
    double Bound() const { return distance + half * std::numbers::sqrt2; }
  };
  auto makeCell = [&polygon](CPlanPoint centre, double half) {
    const double d = DistanceToBoundary(centre, polygon);
    return Cell{centre, half, IsCoveredBy(centre, polygon) ? d : -d};
  };
  auto lower = [](const Cell& a, const Cell& b) { return a.Bound() < b.Bound(); };
  std::priority_queue<Cell, std::vector<Cell>, decltype(lower)> cells(lower);

  BPolygon boost = ToBoost(polygon);
  bg::model::box<BPoint> box;
  bg::envelope(boost, box);
  const double side =
      std::max(box.max_corner().x() - box.min_corner().x(), box.max_corner().y() - box.min_corner().y());
  const double half = side / 2.0;
  for (double x = box.min_corner().x(); x < box.max_corner().x(); x += side)
    for (double y = box.min_corner().y(); y < box.max_corner().y(); y += side)
      cells.push(makeCell({x + half, y + half}, half));
  Cell best = makeCell(Centroid(polygon), 0.0);
  while (!cells.empty()) {
    Cell cell = cells.top();
    cells.pop();
    if (cell.distance > best.distance)
      best = cell;
    if (cell.Bound() - best.distance <= precision)
      continue;
    const double h = cell.half / 2.0;
    for (double dx : {-h, h})
      for (double dy : {-h, h})
        cells.push(makeCell({cell.centre.x + dx, cell.centre.y + dy}, h));
  }
  return best.centre;
}

bool IsConvexCorner(const CPlanPolygon& polygon, size_t corner)
{
  const size_t n = polygon.size();
  const double turn = Cross(polygon[(corner + n - 1) % n], polygon[corner], polygon[(corner + 1) % n]);
  return SignedArea(polygon) > 0.0 ? turn > 0.0 : turn < 0.0;
}

CPlanPolygon Footprint(const CPlanObstacle& obstacle)
{
  const double turn = obstacle.angle * std::numbers::pi / 180.0;
  const double c = std::cos(turn);
  const double s = std::sin(turn);
  CPlanPolygon corners;
  for (auto [u, v] : {std::pair{-1.0, -1.0}, {1.0, -1.0}, {1.0, 1.0}, {-1.0, 1.0}}) {
    const double x = u * obstacle.width / 2.0;
    const double y = v * obstacle.depth / 2.0;
    corners.push_back({obstacle.centre.x + c * x - s * y, obstacle.centre.y + s * x + c * y});
  }
  return corners;
}

// Ear clipping, then neighbouring pieces joined while the join stays convex.
std::vector<CPlanPolygon> ConvexPieces(const CPlanPolygon& polygon)
{
  CPlanPolygon ccw = polygon;
  if (SignedArea(ccw) < 0.0)
    std::reverse(ccw.begin(), ccw.end());
  if (IsConvexPiece(ccw))
    return {ccw};
  std::vector<std::vector<size_t>> pieces = Triangulate(ccw);
  for (bool joined = true; joined;) {
    joined = false;
    for (size_t i = 0; i < pieces.size() && !joined; ++i)
      for (size_t j = i + 1; j < pieces.size() && !joined; ++j) {
        std::vector<size_t> join = JoinAtSharedEdge(pieces[i], pieces[j]);
        if (join.empty() || !IsConvexPiece(PieceCorners(ccw, join)))
          continue;
        pieces[i] = std::move(join);
        pieces.erase(pieces.begin() + static_cast<std::ptrdiff_t>(j));
        joined = true;
      }
  }
  std::vector<CPlanPolygon> result;
  for (const auto& piece : pieces)
    result.push_back(PieceCorners(ccw, piece));
  return result;
}
