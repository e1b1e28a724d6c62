#pragma once

#include "CoverageScene.h"
#include "SurfaceCoverage.h"

#include <optional>

class CProject;

struct CTargetCoverage {
  CSceneTarget target; // as CAD1 uses it, also when measured raised
  CSurfaceCoverage coverage;
  friend bool operator==(const CTargetCoverage&, const CTargetCoverage&) = default;
};

// The projected coverage of the project's last CAD1 run: per target surface,
// in tree order, how much of it the patches watch.
struct CCoverage {
  std::vector<CTargetCoverage> targets;
  // Patches whose target is not known (the results were edited or loaded
  // after CAD1 ran); they count for no surface.
  size_t nUnassigned = 0;
  // The detection height: the floor targets are measured on their copies
  // raised by it (their parts and blind spots lie at that height).
  double height = 0.0;
  friend bool operator==(const CCoverage&, const CCoverage&) = default;
};

// Measures every target of the scene against the patches clipped to it;
// with shadows, against their parts that the centre sees past the other
// targets. At a height above 0 each floor target is measured on its raised
// copy (RaisedFloor.h). The targets are measured on up to `threads` threads:
// one suits searches that run many analyses on threads of their own.
CCoverage AnalyseCoverage(const CCoverageScene& scene, bool bShadows = true, double height = 0.0, size_t threads = 1);
// None when CAD1's entries do not resolve. The targets are measured on all
// cores.
std::optional<CCoverage> AnalyseCoverage(CProject& project, bool bShadows = true, double height = 0.0);
// Threads for one analysis that has the machine to itself.
size_t AllCores();

// Target t of the scene measured as AnalyseCoverage measures it, against the
// patches CAD1 clipped to it.
CSurfaceCoverage AnalyseTarget(const CCoverageScene& scene, size_t t, const std::vector<const CVectorArray*>& patches,
                               bool bShadows, double height);

// What may hide parts of the patches on target t: the other targets.
CShadowCasters ShadowCastersOf(const CCoverageScene& scene, size_t t);
