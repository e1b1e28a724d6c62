#pragma once

#include "SensorSteps.h"

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

class CProjectCopy;

// Bounds on what a project can make the search walk.
constexpr size_t kMaxAxisSteps = 10000;
constexpr size_t kMaxLatticeSize = 1000000;

// The numbers one axis's steps reach from the start: each word stepped until
// a step changes nothing (a limit is included when a step clamps at it).
struct CAxisChain {
  double start = 0.0;
  std::vector<double> raised;  // after 1, 2, ... raising steps
  std::vector<double> lowered; // after 1, 2, ... lowering steps
  // Both words step the same number, so a step back can be checked against
  // the chain.
  bool bReversible = false;
  // Steps back that did not land on the chain (all of them when not
  // reversible): such an axis is best walked outwards only.
  size_t nMissedReturns = 0;

  int Lowest() const { return -static_cast<int>(lowered.size()); }
  int Highest() const { return static_cast<int>(raised.size()); }
  size_t Length() const { return raised.size() + lowered.size() + 1; }
  // The number after count steps (count in [Lowest, Highest]).
  double Value(int count) const;
};

// Every setting the step words reach from the start: the product of the
// three chains.
struct CStepLattice {
  std::array<CAxisChain, kStepAxes> axes;
  // No number is stepped by two axes, so the steps of one axis leave the
  // chains of the others as they are and any order of steps reaches the
  // same setting.
  bool bIndependent = false;

  size_t Size() const;
  // Position of a setting, the kw count varying fastest.
  size_t Index(const CStepCounts& counts) const;
  CStepCounts At(size_t index) const;
};

// Walks each word from the start on the copy, which is back at the start
// afterwards. None when an axis goes on for more than kMaxAxisSteps steps or
// the lattice holds more than kMaxLatticeSize settings.
std::optional<CStepLattice> MapStepLattice(CProjectCopy& copy);
