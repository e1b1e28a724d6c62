#pragma once

#include "PlacementSearch.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// The sensors of a project as the rounds of the search of all of them see
// them: its text, its sensors stepped, the union measured.
class CSensorRoom {
public:
  virtual ~CSensorRoom() = default;
  virtual size_t Count() = 0;
  // The project text with every sensor where it stands now.
  virtual std::string Text() = 0;
  // Steps sensor N by the counts, in the order mh, dw, kw, and reruns its
  // CAD1.
  virtual void Move(size_t sensor, const CStepCounts& steps) = 0;
  // The chosen surfaces as every sensor watches them.
  virtual CWatchedSum Union(const CSurfaceChoice& choice) = 0;
};

// A round raising the union by less than this (m²) ends the search.
constexpr double kRoundGain = 0.001;

struct CSensorMove {
  size_t sensor = 1;
  CStepCounts steps{};
};

struct CRoundsOutcome {
  // Found, or the outcome of the search that found nothing (cancelled
  // included); the room keeps the moves made before it.
  CPlacementOutcome last;
  // Every move in the order made; a sensor that stayed moves no steps.
  std::vector<CSensorMove> moves;
  // Per sensor (index 0 is sensor 1), the steps of its moves added up.
  std::vector<CStepCounts> moved;
};

// Starting from the room's settings, each sensor in turn is set to its best
// (FindBestPlacement with the others held), round after round, until a
// round raises the union by less than kRoundGain. The request's text and
// sensor are set for each search; beforeSearch, when given, is told the
// round (from 1) and the sensor before each.
CRoundsOutcome FindBestPlacements(CSensorRoom& room, CPlacementRequest search,
                                  const std::function<void(size_t round, size_t sensor)>& beforeSearch = {});
