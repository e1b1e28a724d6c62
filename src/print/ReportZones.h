#pragma once

#include "Coverage.h"
#include "ReportContent.h"

#include <optional>

// "Sperrzonen": per no-watch zone of the room's plan its name, area,
// watched area and share, as "kmvtool coverage" measures them; no rows
// without a plan, zones or coverage.
CReportTable CollectZoneTable(CProject& project, const std::optional<CCoverage>& coverage);
