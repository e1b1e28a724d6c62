#include "OutlineSnap.h"

#include <cmath>
#include <numbers>

namespace {

double ToGrid(double value)
{
  return std::round(value / kCornerGrid) * kCornerGrid;
}

// The cosine of a multiple of 90 degrees is exactly 0, not 6e-17.
double Exact(double value)
{
  return std::abs(value) < 1e-12 ? 0.0 : value;
}

} // namespace

CPlanPoint SnapCorner(const CPlanPoint& clicked, const CPlanPoint* previous, bool angleSnap)
{
  if (!previous || !angleSnap)
    return {ToGrid(clicked.x), ToGrid(clicked.y)};
  const double dx = clicked.x - previous->x;
  const double dy = clicked.y - previous->y;
  const double length = ToGrid(std::hypot(dx, dy));
  const double step = kAngleStep * std::numbers::pi / 180.0;
  const double angle = std::round(std::atan2(dy, dx) / step) * step;
  return {previous->x + length * Exact(std::cos(angle)), previous->y + length * Exact(std::sin(angle))};
}
