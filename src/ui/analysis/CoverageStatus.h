#pragma once

#include "Coverage.h"

#include <optional>
#include <string>

// The status-bar text of the floor's projected coverage, "Abdeckung Boden:
// 63.2 %": watched over area, summed over the targets at height zero;
// measured at a detection height, "Abdeckung Boden 1.00 m: 41.3 %".
// "Abdeckung Boden: -" while CAD1's patches are stale (its last run failed).
// Empty without an analysis, without floor targets, or while patches have no
// known target (their share would read as unwatched).
std::string FormatCoverageStatus(const std::optional<CCoverage>& coverage, bool patchesCurrent);
