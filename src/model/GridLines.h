#pragma once

#include "GLPrimitives.h"

#include <vector>

// The rectangle of a grid in its own frame.
struct CGridRect {
  double x1 = 0.0;
  double x2 = 0.0;
  double y1 = 0.0;
  double y2 = 0.0;
};

// How one kind of grid line is laid out.
struct CGridLayout {
  double step = 0.0;
  // Laid out from the frame's origin, else from the lower corner.
  bool centred = false;
  // Centred layouts only: the first line lies on the origin itself (major
  // lines); otherwise one step from it (minor lines).
  bool throughOrigin = false;
  // Every skipEvery-th line is left out, counted afresh in each run.
  int skipEvery = 0;
};

// The runs of parallel lines of one kind: the lines x = const first, then
// y = const. A line stops half a thousandth of a step short of the far edge,
// so rounding adds none on the border. Runs whose step is not positive, or
// that would need too many lines, are left to DrawLineFamily to refuse.
std::vector<CLineFamily> GridLineFamilies(const CGridRect& rect, const CGridLayout& layout);
