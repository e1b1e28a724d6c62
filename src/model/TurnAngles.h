#pragma once

// 2 pi, the full turn that end angles are raised by.
constexpr double kFullTurn = 6.283185307179586;

// The end angle (radians) raised by whole turns until it is no longer below
// the start, as "while end < start: end += 2 pi" does. Gaps of many turns are
// first reduced with fmod, so huge or infinite angles cannot stall the loop;
// an infinite gap gives a non-number.
double RaiseToStart(double start, double end);
