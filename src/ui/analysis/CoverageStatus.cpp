#include "CoverageStatus.h"

#include "CoverageFormat.h"

#include <cstdio>

namespace {

constexpr const char* kPrefix = "Abdeckung Boden: ";

} // namespace

std::string FormatCoverageStatus(const std::optional<CCoverage>& coverage, bool patchesCurrent)
{
  if (!patchesCurrent)
    return std::string(kPrefix) + "-";
  if (!coverage || coverage->nUnassigned != 0)
    return {};
  double area = 0.0;
  double watched = 0.0;
  for (const CTargetCoverage& entry : coverage->targets) {
    if (!IsFloorTarget(entry.target.vertices))
      continue;
    area += entry.coverage.area;
    watched += entry.coverage.watched;
  }
  if (!(area > 0.0))
    return {};
  if (coverage->height > 0.0) {
    char prefix[48];
    std::snprintf(prefix, sizeof prefix, "Abdeckung Boden %.2f m: ", coverage->height);
    return prefix + FormatSharePercent(watched, area) + " %";
  }
  return kPrefix + FormatSharePercent(watched, area) + " %";
}
