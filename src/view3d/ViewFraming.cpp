#include "ViewFraming.h"

#include <algorithm>
#include <cmath>
#include <numbers>

double FittingDistance(const CFramedBox& box, double fieldOfView, double aspect)
{
  const double radius = (box.high - box.low).Length() / 2.0;
  const double halfVertical = fieldOfView * std::numbers::pi / 360.0;
  const double halfHorizontal = std::atan(std::tan(halfVertical) * aspect);
  return radius / std::sin(std::min(halfVertical, halfHorizontal));
}
