#pragma once

// Evenly spaced angles start + i * step for i = 0 .. steps, computed from the
// index rather than accumulated, so that a step too small to change a huge
// angle cannot stall a loop.
struct CAngleSweep {
  double start = 0.0;
  double step = 0.0;
  int steps = 0;

  double At(int i) const { return start + i * step; }
  double End() const { return At(steps); }
  // Whether the sweep, pulled in by pullFraction of a step, differs from the
  // given turn by at most tolerance as a ratio: such a range has no border.
  bool IsComplete(double pullFraction, double turn, double tolerance) const;
};

// Sweep from start to end where end is first raised above start by whole
// turns (2 pi). False, with nothing to draw, for angles that are not finite,
// equal angles or fewer than one segment; segments are cut to kMaxSegments.
bool MakeTurnSweep(double start, double end, int segments, CAngleSweep& sweep);

// Sweep from start towards end without wrapping; an end below the start gives
// a sweep of no steps. False as for MakeTurnSweep.
bool MakeRangeSweep(double start, double end, int segments, CAngleSweep& sweep);
