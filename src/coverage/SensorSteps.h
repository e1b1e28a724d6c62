#pragma once

#include <array>
#include <cstddef>
#include <vector>

// The sensor's step axes in the order their steps are listed: mounting
// height (mh), turn angle (dw), tilt angle (kw).
constexpr size_t kStepAxes = 3;

// A setting as step counts from where the search started, per axis: n > 0
// is n steps of the raising word (mh+, dw+, kw+), n < 0 is -n steps of the
// lowering word.
using CStepCounts = std::array<int, kStepAxes>;

// The document's command of one step ("mh+" is ID_HEIGHT_UP).
int StepCommandId(size_t axis, bool raise);
// The project's run index of that step's module.
int StepRunIndex(size_t axis, bool raise);
// The step commands that reach the counts, in the order mh, dw, kw.
std::vector<int> StepCommandIds(const CStepCounts& counts);
int TotalSteps(const CStepCounts& counts);
