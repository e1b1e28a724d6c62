#pragma once

#include "Vector.h"

#include <optional>
#include <string>
#include <vector>

struct CCoverage;
class CProject;
struct CSceneTarget;

// The target surfaces whose watched areas are added up: those named (paths
// as "kmvtool get" takes them, "_" for a blank), or the floor targets when
// none is named.
struct CSurfaceChoice {
  std::vector<std::string> paths;
  bool bShadows = true; // only the visible parts of the patches count
  double height = 0.0;  // the detection height (Coverage.h)
  // No-watch zones (world corners at the height) whose watched area is
  // measured as well.
  std::vector<CVectorArray> zones;

  bool Includes(const CSceneTarget& target) const;
};

// Area and watched area of the chosen surfaces, added up.
struct CWatchedSum {
  double area = 0.0;
  double watched = 0.0;
  double zoneWatched = 0.0; // the most watched in any one zone of the choice
};

// Measures only the chosen targets against CAD1's last run.
CWatchedSum SumWatched(CProject& project, const CSurfaceChoice& choice);
// The chosen targets of a coverage measured already (of several sensors).
CWatchedSum SumWatched(const CCoverage& coverage, const CSurfaceChoice& choice);

// The first path that names no target surface; none when all do.
std::optional<std::string> FindUnknownSurface(CProject& project, const CSurfaceChoice& choice);
