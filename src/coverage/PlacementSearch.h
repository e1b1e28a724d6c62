#pragma once

#include "SensorSteps.h"
#include "SurfaceChoice.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// Watched areas closer than this share of the larger (at least 1 m²) count
// as equal: the polygon operations leave noise far below it.
constexpr double kWatchedTieTolerance = 1e-9;

struct CPlacementRequest {
  // The project text every thread loads its own copy from; its setting is
  // where the steps start.
  std::string_view text;
  CSurfaceChoice surfaces;
  // Only settings that watch less than kZoneFreeArea of every no-watch zone
  // of the room's plan count; without zones, every setting does.
  bool bKeepZonesFree = false;
  // Whose steps are searched; the others are held, and with several sensors
  // the union of all is measured.
  size_t sensor = 1;
  unsigned nThreads = 2;
  // Set from any thread to stop the search.
  const std::atomic<bool>* pCancel = nullptr;
  // After each setting measured; from the search's threads, one call at a
  // time.
  std::function<void(size_t done, size_t total)> progress;
};

enum class PlacementStatus {
  Found,
  Cancelled,
  UnknownSurface, // a path of the choice names no target surface
  TooLarge,       // more than kMaxLatticeSize settings or kMaxAxisSteps on an axis
  NoFreeSetting,  // bKeepZonesFree, and every setting watches some zone
};

struct CPlacementOutcome {
  PlacementStatus status = PlacementStatus::Found;
  CStepCounts steps{}; // the best setting
  // The numbers the steps of each axis reach there (mh, dw, kw).
  std::array<double, kStepAxes> values{};
  CWatchedSum best; // of the chosen surfaces there
  size_t nSettings = 0;
  // Copies loaded again because a step missed its chain.
  size_t nReloads = 0;
  std::string strUnknownSurface;
};

// Measures every setting of the step lattice (the step words from the text's
// setting, within the limits) and finds the one whose chosen surfaces are
// watched most; among those within kWatchedTieTolerance of it, the one with
// the fewest steps, then the first in the order mh, dw, kw ascending.
// Zones are measured at the choice's height.
CPlacementOutcome FindBestPlacement(const CPlacementRequest& request);
