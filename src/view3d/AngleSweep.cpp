#include "AngleSweep.h"

#include "GLPrimitives.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

bool IsDrawable(double start, double end, int segments)
{
  return std::isfinite(start) && std::isfinite(end) && start != end && segments >= 1;
}

} // namespace

bool CAngleSweep::IsComplete(double pullFraction, double turn, double tolerance) const
{
  double pulledSpan = step * steps - step * pullFraction;
  return std::fabs(pulledSpan / turn - 1.0) <= tolerance;
}

bool MakeTurnSweep(double start, double end, int segments, CAngleSweep& sweep)
{
  if (!IsDrawable(start, end, segments))
    return false;
  double span = end - start;
  // fmod instead of adding turns one by one: the repeated addition never
  // ends for angles around 1e16, where a turn is below the rounding step.
  if (span <= 0.0)
    span = std::fmod(span, kTwoPi) + kTwoPi;
  if (!std::isfinite(span))
    return false;
  sweep.steps = std::min(segments, kMaxSegments);
  sweep.start = start;
  sweep.step = span / sweep.steps;
  return true;
}

bool MakeRangeSweep(double start, double end, int segments, CAngleSweep& sweep)
{
  if (!IsDrawable(start, end, segments) || !std::isfinite(end - start))
    return false;
  int steps = std::min(segments, kMaxSegments);
  sweep.start = start;
  sweep.step = (end - start) / steps;
  sweep.steps = end > start ? steps : 0;
  return true;
}
