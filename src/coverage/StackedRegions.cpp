#include "StackedRegions.h"

#include "ExactPlane.h"

#include <boost/geometry.hpp>

#include <exception>

namespace {

namespace bg = boost::geometry;

// Below this a cut leaves a sliver, not a part.
constexpr double kLeastPartArea = 1e-9;

ExactParts SnapRegion(const CExactPlane& plane, const CPlanarRegion& region)
{
  std::optional<ExactPolygon> outer = plane.Snap(region.outer);
  if (!outer)
    return {};
  ExactParts part{*outer};
  for (const CVectorArray& hole : region.holes)
    if (std::optional<ExactPolygon> inner = plane.Snap(hole)) {
      ExactParts cut;
      bg::difference(part, *inner, cut);
      part = std::move(cut);
    }
  return part;
}

std::vector<std::vector<CPlanarRegion>> Stack(const CExactPlane& plane,
                                              const std::vector<const std::vector<CPlanarRegion>*>& sets)
{
  std::vector<std::vector<CPlanarRegion>> stacked;
  ExactParts below;
  for (const std::vector<CPlanarRegion>* set : sets) {
    std::vector<CPlanarRegion>& kept = stacked.emplace_back();
    ExactParts whole;
    for (const CPlanarRegion& region : *set) {
      ExactParts part = SnapRegion(plane, region);
      if (stacked.size() == 1) {
        kept.push_back(region);
      } else {
        ExactParts left;
        bg::difference(part, below, left);
        for (const ExactPolygon& piece : left)
          if (AreaOf(piece) >= kLeastPartArea)
            kept.push_back(plane.ToRegion(piece));
      }
      ExactParts grown;
      bg::union_(whole, part, grown);
      whole = std::move(grown);
    }
    ExactParts grown;
    bg::union_(below, whole, grown);
    below = std::move(grown);
  }
  return stacked;
}

} // namespace

std::optional<std::vector<std::vector<CPlanarRegion>>>
StackRegions(const CVectorArray& surface, const std::vector<const std::vector<CPlanarRegion>*>& sets)
{
  std::optional<CExactPlane> plane = CExactPlane::Make(surface);
  if (!plane)
    return std::nullopt;
  try {
    return Stack(*plane, sets);
  } catch (const std::exception&) {
    return std::nullopt;
  }
}
