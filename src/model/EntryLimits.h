#pragma once

#include "ProjectReader.h"

// Bounds on the counts that project records carry. A record whose count lies
// above its bound is refused: such counts come only from damaged files, and
// each would drive an allocation or a loop of its own size.

// Rows and columns of a point matrix, as its page allows them.
constexpr int kMaxLatticeCount = 1000;
// Points on an arc, as its page allows them.
constexpr int kMaxArcPointCount = 1000;
// Vertices of one polygon: what a line of the reader holds at the shortest
// vertex text, "0 0 0 ". A count is also refused when it exceeds the
// characters left on its line, so a short line cannot ask for many vertices.
constexpr int kMaxPolygonVertices = static_cast<int>(kMaxLineLength / 6);

// Nested systems that draw a frame of their own. GL guarantees 32 saved
// modelview matrices; the camera takes one and a point marker two more.
constexpr int kMaxDrawnSystemDepth = 24;

// Widths above this are cut to it: far beyond what any GL implementation
// draws, and it keeps the conversion to a GL float defined.
constexpr double kMaxLineWidth = 1000.0;
