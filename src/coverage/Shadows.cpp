#include "Shadows.h"

#include "PolygonMeasure.h"

#include <boost/geometry.hpp>

#include <algorithm>
#include <cmath>
#include <exception>

namespace {

namespace bg = boost::geometry;
using PlanePoints = std::vector<std::pair<double, double>>;

// An occluder hides only what lies more than this in front of a plane.
constexpr double kInFront = 1e-3;
// Points nearer the centre's own level than this would be cast beyond any
// window (a factor above a million); they are cut off.
constexpr double kBesideCentre = 1e-6;

// A ring of the occluder in world coordinates with its height over the plane.
struct CLifted {
  CVector point;
  double height;
};
using LiftedRing = std::vector<CLifted>;

bool IsFinite(const CVector& v)
{
  return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

bool IsConvex(const CVectorArray& polygon)
{
  CVector normal = TwiceVectorArea(polygon);
  size_t n = polygon.size();
  for (size_t i = 0; i < n; ++i) {
    CVector turn = Cross(polygon[(i + 1) % n] - polygon[i], polygon[(i + 2) % n] - polygon[(i + 1) % n]);
    if (turn.Dot(normal) < 0.0)
      return false;
  }
  return true;
}

// Sutherland-Hodgman on the height: exact for a convex ring.
LiftedRing CutAtHeight(const LiftedRing& ring, double limit, bool keepBelow)
{
  auto kept = [&](const CLifted& p) { return keepBelow ? p.height <= limit : p.height >= limit; };
  LiftedRing cut;
  for (size_t i = 0; i < ring.size(); ++i) {
    const CLifted& a = ring[i];
    const CLifted& b = ring[(i + 1) % ring.size()];
    if (kept(a))
      cut.push_back(a);
    if (kept(a) != kept(b)) {
      double t = (limit - a.height) / (b.height - a.height);
      cut.push_back({a.point + t * (b.point - a.point), limit});
    }
  }
  return cut;
}

class CShadowCaster {
public:
  CShadowCaster(const CExactPlane& plane, const CVector& centre) : m_plane(plane), m_centre(centre)
  {
    const CPlaneFrame& frame = plane.Frame();
    double signedHeight = (centre - frame.origin).Dot(frame.normal);
    m_side = signedHeight < 0.0 ? -1.0 : 1.0;
    m_centreHeight = std::fabs(signedHeight);
    m_centreU = frame.U(centre);
    m_centreV = frame.V(centre);
  }

  double Height(const CVector& p) const { return m_side * (p - m_plane.Frame().origin).Dot(m_plane.Frame().normal); }
  double Low() const { return kInFront; }
  double High() const { return m_centreHeight - kBesideCentre; }

  // The central projection of a ring whose heights lie between Low and High.
  std::optional<ExactPolygon> Project(const LiftedRing& ring) const
  {
    PlanePoints points;
    for (const CLifted& p : ring) {
      double scale = m_centreHeight / (m_centreHeight - p.height);
      const CPlaneFrame& frame = m_plane.Frame();
      points.emplace_back(m_centreU + (frame.U(p.point) - m_centreU) * scale,
                          m_centreV + (frame.V(p.point) - m_centreV) * scale);
    }
    return m_plane.SnapPlane(std::move(points));
  }

  LiftedRing Lift(const CVectorArray& ring) const
  {
    LiftedRing lifted;
    for (const CVector& p : ring)
      lifted.push_back({p, Height(p)});
    return lifted;
  }

  LiftedRing Band(const LiftedRing& ring) const { return CutAtHeight(CutAtHeight(ring, Low(), false), High(), true); }

private:
  const CExactPlane& m_plane;
  CVector m_centre;
  double m_side = 1.0;
  double m_centreHeight = 0.0;
  double m_centreU = 0.0, m_centreV = 0.0;
};

// The shadow of one region of the occluder: its outer ring's minus its holes'.
ExactParts ShadowOf(const CShadowCaster& caster, const LiftedRing& outer, const std::vector<LiftedRing>& holes)
{
  ExactParts shadow;
  std::optional<ExactPolygon> projected = caster.Project(outer);
  if (!projected || !(AreaOf(*projected) > 0.0))
    return shadow;
  if (!bg::is_valid(*projected))
    bg::convex_hull(ExactPolygon(*projected), *projected);
  shadow.push_back(*projected);
  for (const LiftedRing& hole : holes) {
    std::optional<ExactPolygon> gap = caster.Project(hole);
    if (!gap || !(AreaOf(*gap) > 0.0))
      continue;
    ExactParts rest;
    bg::difference(shadow, *gap, rest);
    shadow = std::move(rest);
  }
  return shadow;
}

// A concave occluder is cut to the band of heights by Boost.Geometry in its
// own plane; the pieces may have holes.
ExactParts ConcaveShadow(const CShadowCaster& caster, const CVectorArray& occluder, const CExactPlane& own)
{
  std::optional<ExactPolygon> polygon = own.Snap(occluder);
  if (!polygon || polygon->outer().empty())
    return {};
  if (!bg::is_valid(*polygon))
    bg::convex_hull(ExactPolygon(*polygon), *polygon);
  // Height over the shadowed plane along the occluder's own axes.
  const CPlaneFrame& frame = own.Frame();
  double base = caster.Height(frame.origin);
  double alongU = caster.Height(frame.origin + frame.u) - base;
  double alongV = caster.Height(frame.origin + frame.v) - base;
  double slope = std::hypot(alongU, alongV);
  double reach = 0.0;
  for (const CVector& p : occluder)
    reach = std::max(reach, std::hypot(frame.U(p), frame.V(p)) + 1.0);
  ExactParts pieces;
  if (slope * reach < 1e-12) {
    if (base > caster.Low() && base < caster.High())
      pieces.push_back(*polygon);
  } else {
    double du = alongU / slope, dv = alongV / slope;
    double low = std::max(caster.Low(), base - slope * reach);
    double high = std::min(caster.High(), base + slope * reach);
    if (!(low < high))
      return {};
    auto at = [&](double height, double side) {
      double along = (height - base) / slope;
      return std::pair{along * du - side * reach * dv, along * dv + side * reach * du};
    };
    std::optional<ExactPolygon> band = own.SnapPlane({at(low, -1), at(high, -1), at(high, 1), at(low, 1)});
    if (!band)
      return {};
    bg::intersection(*polygon, *band, pieces);
  }
  ExactParts shadows;
  for (const ExactPolygon& piece : pieces) {
    CPlanarRegion region = own.ToRegion(piece);
    std::vector<LiftedRing> holes;
    for (const CVectorArray& hole : region.holes)
      holes.push_back(caster.Lift(hole));
    ExactParts shadow = ShadowOf(caster, caster.Lift(region.outer), holes);
    ExactParts both;
    bg::union_(shadows, shadow, both);
    shadows = std::move(both);
  }
  return shadows;
}

} // namespace

CShadows CastShadows(const CExactPlane& plane, const CShadowCasters& casters)
{
  CShadows shadows;
  CShadowCaster caster(plane, casters.centre);
  bool centreUsable = IsFinite(casters.centre) && caster.Low() < caster.High();
  for (const CVectorArray* occluder : casters.occluders) {
    std::optional<CExactPlane> own = CExactPlane::Make(*occluder);
    if (!own || PolygonArea(*occluder) <= 0.0) {
      ++shadows.nDegenerate;
      continue;
    }
    if (!centreUsable)
      continue;
    LiftedRing lifted = caster.Lift(*occluder);
    if (std::none_of(lifted.begin(), lifted.end(), [&](const CLifted& p) { return p.height > caster.Low(); }))
      continue;
    try {
      ExactParts shadow =
          IsConvex(*occluder) ? ShadowOf(caster, caster.Band(lifted), {}) : ConcaveShadow(caster, *occluder, *own);
      if (shadow.empty())
        continue;
      ExactParts both;
      bg::union_(shadows.region, shadow, both);
      shadows.region = std::move(both);
    } catch (const std::exception&) {
      ++shadows.nDegenerate;
    }
  }
  return shadows;
}
