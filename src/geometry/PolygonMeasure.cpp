#include "PolygonMeasure.h"

#include <cstddef>

CVector TwiceVectorArea(const CVectorArray& polygon)
{
  CVector sum;
  if (polygon.empty())
    return sum;
  const CVector& origin = polygon.front();
  for (size_t i = 1; i + 1 < polygon.size(); ++i)
    sum = sum + Cross(polygon[i] - origin, polygon[i + 1] - origin);
  return sum;
}

double PolygonArea(const CVectorArray& polygon)
{
  if (polygon.size() < 3)
    return 0.0;
  return 0.5 * TwiceVectorArea(polygon).Length();
}

CVector PolygonCentroid(const CVectorArray& polygon)
{
  if (polygon.empty())
    return {};
  CVector mean;
  for (const CVector& v : polygon)
    mean = mean + v;
  mean = mean * (1.0 / static_cast<double>(polygon.size()));
  if (polygon.size() < 3)
    return mean;
  CVector normal = TwiceVectorArea(polygon);
  double total = normal.Dot(normal);
  if (total == 0.0)
    return mean;
  // Fan of triangles from the first vertex, each weighted by its signed area
  // along the polygon's normal.
  CVector weighted;
  const CVector& origin = polygon.front();
  for (size_t i = 1; i + 1 < polygon.size(); ++i) {
    double weight = Cross(polygon[i] - origin, polygon[i + 1] - origin).Dot(normal) / total;
    weighted = weighted + (origin + polygon[i] + polygon[i + 1]) * (weight / 3.0);
  }
  return weighted;
}
