#pragma once

#include "CoverageScene.h"
#include "SurfaceCoverage.h"

#include <optional>

class CProject;

struct CTargetCoverage {
  CSceneTarget target;
  CSurfaceCoverage coverage;
};

// The projected coverage of the project's last CAD1 run: per target surface,
// in tree order, how much of it the patches watch.
struct CCoverage {
  std::vector<CTargetCoverage> targets;
  // Patches whose target is not known (the results were edited or loaded
  // after CAD1 ran); they count for no surface.
  size_t nUnassigned = 0;
};

// Measures every target of the scene against the patches clipped to it;
// with shadows, against their parts that the centre sees past the other
// targets.
CCoverage AnalyseCoverage(const CCoverageScene& scene, bool bShadows = true);
// None when CAD1's entries do not resolve.
std::optional<CCoverage> AnalyseCoverage(CProject& project, bool bShadows = true);

// What may hide parts of the patches on target t: the other targets.
CShadowCasters ShadowCastersOf(const CCoverageScene& scene, size_t t);
