#pragma once

#include "DetectionEntries.h"
#include "Vector.h"

#include <cstddef>
#include <vector>

// What a run clipped each patch against. Indices, never pointers: a load or
// an edit may delete the entries they name.
struct CPatchTargets {
  int nVariant = -1;   // F4's value at that run; -1 before the first run
  size_t nTargets = 0; // polygon children of the variant group at that run
  // Per polygon of the results group, in child order: the index of its target
  // surface among the polygon children of the variant group.
  std::vector<size_t> indices;
};

// The colours CAD1 gives every patch it writes.
inline const CVector kPatchFillColour{1.0, 0.5, 0.0};
inline const CVector kPatchLineColour{0.0, 0.0, 0.0};

// Applies the mounting variant and fills the results group with the patches
// every lens facet watches, and their rays when switched on; records each
// patch's target. Returns FALSE, with the tree and targets unchanged, for a
// variant other than 0, 1 or 2.
bool ComputeDetection(const CDetectionEntries& entries, CPatchTargets& patchTargets);

// The facets of the switched-on lens systems in world coordinates, as the
// last run placed them, in the order the run projects them.
std::vector<CVectorArray> WatchingFacets(const CDetectionEntries& entries);
