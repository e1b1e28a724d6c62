#include "CoverageStatus.h"

#include "CoverageFormat.h"

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
  return kPrefix + FormatSharePercent(watched, area) + " %";
}
