#include "StackedRegions.h"

#include "ExactPlane.h"
#include "UnionParts.h"

#include <boost/geometry.hpp>

#include <exception>

namespace {

namespace bg = boost::geometry;

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
          if (AreaOf(piece) >= kPositiveArea)
            kept.push_back(plane.ToRegion(piece));
      }
      whole = Unite(whole, part);
    }
    below = Unite(below, whole);
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
