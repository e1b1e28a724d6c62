#include "SurfaceCoverage.h"

#include "ExactPlane.h"
#include "Shadows.h"
#include "UnionParts.h"

#include <boost/geometry.hpp>

#include <algorithm>
#include <cmath>
#include <exception>
#include <optional>

namespace {

namespace bg = boost::geometry;

// What an operation's result may deviate from its bounds: a share of them,
// plus what rounding its crossing points onto the grid moves (each moves
// less than a grid step across the boundary; Rounding below).
constexpr double kRelativeSlack = 1e-6;
// A corner this close to the surface's boundary counts as on it (in grid steps).
constexpr double kOnBoundary = 1.0;
// visible + hidden = patch within this share of the patch, plus rounding.
constexpr double kShadowSlack = 1e-9;

// The most that rounding the crossing points of one or two operations onto
// the grid moves an area bounded by these parts: under 0.75 grid steps
// across each metre of boundary, each time.
template <typename... Parts> double Rounding(const Parts&... parts)
{
  double boundary = (0.0 + ... + static_cast<double>(bg::perimeter(parts)));
  return 1.5 * boundary / (kGridPerMetre * kGridPerMetre);
}

bool Within(double value, double low, double high, double rounding)
{
  double slack = kRelativeSlack * std::max(std::fabs(low), std::fabs(high)) + rounding;
  return value >= low - slack && value <= high + slack;
}

ExactPolygon ConvexHull(const ExactPolygon& polygon)
{
  ExactPolygon hull;
  bg::convex_hull(polygon, hull);
  return hull;
}

// Drops the parts without positive area.
ExactParts WithArea(ExactParts parts, double minArea)
{
  std::erase_if(parts, [minArea](const ExactPolygon& part) { return !(AreaOf(part) >= minArea); });
  return parts;
}

bool BoxesShareArea(const ExactParts& a, const ExactParts& b)
{
  if (a.empty() || b.empty())
    return false;
  auto boxA = bg::return_envelope<bg::model::box<ExactPoint>>(a);
  auto boxB = bg::return_envelope<bg::model::box<ExactPoint>>(b);
  return boxA.min_corner().x() < boxB.max_corner().x() && boxB.min_corner().x() < boxA.max_corner().x() &&
         boxA.min_corner().y() < boxB.max_corner().y() && boxB.min_corner().y() < boxA.max_corner().y();
}

// Regions covered by at least 1, 2, 3, ... parts; the first is the union.
class CCoverLevels {
public:
  // Changes nothing when Boost.Geometry throws. A union smaller than its
  // larger operand or larger than both together is computed once more the
  // other way round and counted in `guarded`.
  void Add(const ExactParts& part, size_t& guarded)
  {
    std::vector<ExactParts> next(m_levels.size() + 1);
    std::vector<bool> changed(next.size());
    next[0] = GuardedUnion(m_levels.empty() ? ExactParts() : m_levels[0], part, guarded);
    changed[0] = true;
    for (size_t k = 0; k < m_levels.size(); ++k) {
      if (!BoxesShareArea(m_levels[k], part))
        continue;
      ExactParts common;
      bg::intersection(m_levels[k], part, common);
      common = WithArea(std::move(common), kPositiveArea);
      if (common.empty())
        continue;
      next[k + 1] = k + 1 < m_levels.size() ? Unite(m_levels[k + 1], common) : common;
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
  ExactParts Covered() const { return m_levels.empty() ? ExactParts() : m_levels[0]; }

private:
  static ExactParts GuardedUnion(const ExactParts& a, const ExactParts& b, size_t& guarded)
  {
    double areaA = AreaOf(a), areaB = AreaOf(b);
    auto sound = [&](const ExactParts& both) {
      return Within(AreaOf(both), std::max(areaA, areaB), areaA + areaB, Rounding(a, b));
    };
    ExactParts both = Unite(a, b);
    if (sound(both))
      return both;
    ++guarded;
    ExactParts again = Unite(b, a);
    return sound(again) ? again : both;
  }

  std::vector<ExactParts> m_levels;
};

struct CClippedPatch {
  ExactParts inside; // empty when the patch covers no area of the surface
  bool bHulled = false;
};

bool CornersOnSurface(const ExactPolygon& surface, const ExactPolygon& patch)
{
  return std::all_of(patch.outer().begin(), patch.outer().end(),
                     [&surface](const ExactPoint& p) { return bg::distance(p, surface) <= kOnBoundary; });
}

// A patch whose corners all lie on the surface keeps its own area; one that
// reaches out keeps at most that and the surface's. When the intersection
// breaks that, it is computed the other way round, or the patch is taken as
// it is, and counted.
CClippedPatch ClipPatch(const ExactPolygon& surface, double surfaceArea, ExactPolygon patch, size_t& guarded)
{
  CClippedPatch clipped;
  if (patch.outer().empty())
    return clipped;
  if (!bg::is_valid(patch)) {
    patch = ConvexHull(patch);
    clipped.bHulled = true;
  }
  double own = AreaOf(patch);
  if (!(own > 0.0))
    return clipped;
  bool onSurface = CornersOnSurface(surface, patch);
  double rounding = Rounding(patch);
  auto sound = [&](const ExactParts& inside) {
    double kept = AreaOf(inside);
    return onSurface ? Within(kept, own, own, rounding) : Within(kept, 0.0, std::min(own, surfaceArea), rounding);
  };
  bg::intersection(surface, patch, clipped.inside);
  if (!sound(clipped.inside)) {
    ++guarded;
    ExactParts again;
    bg::intersection(patch, surface, again);
    if (sound(again))
      clipped.inside = std::move(again);
    else if (onSurface)
      clipped.inside = {patch};
  }
  clipped.inside = WithArea(std::move(clipped.inside), kPositiveArea);
  return clipped;
}

// The patch without the shadows; the whole patch when visible and hidden do
// not add up to it (counted).
struct CShadedPatch {
  ExactParts visible;
  ExactParts hidden;
};

CShadedPatch ShadePatch(const ExactParts& patch, const ExactParts& shadows, size_t& guarded)
{
  CShadedPatch shaded;
  if (!BoxesShareArea(patch, shadows)) {
    shaded.visible = patch;
    return shaded;
  }
  bg::difference(patch, shadows, shaded.visible);
  bg::intersection(patch, shadows, shaded.hidden);
  double whole = AreaOf(patch);
  if (std::fabs(AreaOf(shaded.visible) + AreaOf(shaded.hidden) - whole) >
      kShadowSlack * whole + Rounding(shaded.hidden)) {
    ++guarded;
    shaded.visible = patch;
    shaded.hidden.clear();
  }
  shaded.visible = WithArea(std::move(shaded.visible), kPositiveArea);
  shaded.hidden = WithArea(std::move(shaded.hidden), kPositiveArea);
  return shaded;
}

// The surface without the covered parts; watched + blind = area, or the
// covered parts are cut to the surface and it is computed again (counted).
ExactParts BlindParts(const ExactPolygon& shape, double area, ExactParts& covered, size_t& guarded)
{
  ExactParts blind;
  bg::difference(shape, covered, blind);
  if (std::fabs(AreaOf(covered) + AreaOf(blind) - area) <= kRelativeSlack * area + Rounding(blind))
    return blind;
  ++guarded;
  ExactParts inside;
  bg::intersection(shape, covered, inside);
  covered = std::move(inside);
  blind.clear();
  bg::difference(shape, covered, blind);
  return blind;
}

} // namespace

CSurfaceCoverage AnalyseSurface(const CVectorArray& surface, const std::vector<const CVectorArray*>& patches,
                                const CShadowCasters* casters)
{
  CSurfaceCoverage result;
  result.nPatches = patches.size();
  std::optional<CExactPlane> plane = CExactPlane::Make(surface);
  std::optional<ExactPolygon> snapped = plane ? plane->Snap(surface) : std::nullopt;
  if (!snapped || snapped->outer().empty()) {
    result.nSkipped = patches.size();
    return result;
  }
  ExactPolygon shape = bg::is_valid(*snapped) ? *snapped : ConvexHull(*snapped);
  result.area = AreaOf(shape);

  ExactParts shadows;
  if (casters) {
    CShadows cast = CastShadows(*plane, *casters);
    shadows = std::move(cast.region);
    result.nDegenerateOccluders = cast.nDegenerate;
  }

  CCoverLevels levels;
  ExactParts reached; // the whole patches, while shadows fall on the surface
  for (const CVectorArray* patch : patches) {
    std::optional<ExactPolygon> patchPlane = patch->size() >= 3 ? plane->Snap(*patch) : std::nullopt;
    if (!patchPlane) {
      ++result.nSkipped;
      continue;
    }
    // Boost.Geometry reports input it cannot overlay by throwing; such a
    // patch is skipped like one without finite vertices.
    try {
      CClippedPatch clipped = ClipPatch(shape, result.area, *patchPlane, result.nGuarded);
      result.nHulled += clipped.bHulled ? 1 : 0;
      // A simple patch beside the surface is no fault; a hull without area is.
      if (clipped.inside.empty()) {
        result.nSkipped += clipped.bHulled ? 1 : 0;
        continue;
      }
      CShadedPatch shaded = ShadePatch(clipped.inside, shadows, result.nGuarded);
      if (!shadows.empty())
        reached = Unite(reached, clipped.inside);
      if (!shaded.visible.empty())
        levels.Add(shaded.visible, result.nGuarded);
      for (const ExactPolygon& part : shaded.visible)
        result.patchParts.push_back(plane->ToRegion(part));
      for (const ExactPolygon& part : shaded.hidden)
        result.hiddenParts.push_back(plane->ToRegion(part));
    } catch (const std::exception&) {
      ++result.nSkipped;
    }
  }

  ExactParts covered = levels.Covered();
  result.overlap = levels.Depth();
  try {
    ExactParts blind = BlindParts(shape, result.area, covered, result.nGuarded);
    for (const ExactPolygon& spot : WithArea(std::move(blind), kMinBlindSpotArea)) {
      result.blindSpots.push_back(plane->ToRegion(spot));
      result.blindArea += result.blindSpots.back().area;
    }
  } catch (const std::exception&) {
    result.blindSpots.clear();
    result.blindArea = 0.0;
  }
  result.watched = std::min(AreaOf(covered), result.area);
  if (!shadows.empty()) {
    result.hidden = std::max(0.0, std::min(AreaOf(reached), result.area) - result.watched);
    try {
      ExactParts shadowed;
      bg::difference(reached, covered, shadowed);
      for (const ExactPolygon& part : WithArea(std::move(shadowed), kPositiveArea))
        result.shadowed.push_back(plane->ToRegion(part));
    } catch (const std::exception&) {
      result.shadowed.clear();
    }
  }
  return result;
}
