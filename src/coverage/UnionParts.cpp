#include "UnionParts.h"

#include <boost/geometry.hpp>

namespace bg = boost::geometry;

std::string_view TargetName(const CSceneTarget& target)
{
  std::string_view path = target.strPath;
  return path.substr(path.rfind('.') + 1);
}

const CSurfaceCoverage* FindSameSurface(const CCoverage& coverage, std::string_view name)
{
  for (const CTargetCoverage& entry : coverage.targets)
    if (TargetName(entry.target) == name)
      return &entry.coverage;
  return nullptr;
}

ExactParts Unite(const ExactParts& a, const ExactParts& b)
{
  ExactParts both;
  bg::union_(a, b, both);
  return both;
}

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

ExactParts SnapRegions(const CExactPlane& plane, const std::vector<CPlanarRegion>& regions)
{
  ExactParts parts;
  for (const CPlanarRegion& region : regions)
    parts = Unite(parts, SnapRegion(plane, region));
  return parts;
}

std::vector<CPlanarRegion> ToRegions(const CExactPlane& plane, const ExactParts& parts, double minArea)
{
  std::vector<CPlanarRegion> regions;
  for (const ExactPolygon& part : parts)
    if (AreaOf(part) >= minArea)
      regions.push_back(plane.ToRegion(part));
  return regions;
}
