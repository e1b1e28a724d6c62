#pragma once

#include <functional>
#include <vector>

// A line as GL fed it back, in drawing coordinates (x, y in [-10, 10]).
struct CFedLine {
  double x1, y1, x2, y2;
};

// The lines that draw produced, seen along -z in an orthographic view of
// [-10, 10] on x and y, captured in GL's feedback mode; complete is false
// when the buffer overflowed. A GL context must be current.
struct CFeedback {
  std::vector<CFedLine> lines;
  bool complete = false;
};
CFeedback CaptureFeedback(const std::function<void()>& draw);

// Sorted positions of the lines x = const, or with vertical false of the
// lines y = const; lines seen end-on are left out.
std::vector<double> LinePositions(const CFeedback& feedback, bool vertical);
