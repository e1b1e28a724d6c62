#pragma once

#include "DetectionEntries.h"

// Applies the mounting variant and fills the results group with the patches
// every lens facet watches, and their rays when switched on. Returns FALSE,
// with the tree unchanged, for a variant other than 0, 1 or 2.
bool ComputeDetection(const CDetectionEntries& entries);
