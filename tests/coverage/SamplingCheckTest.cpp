#include "SurfaceCoverage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace {

struct CPoint2 {
  double s, t;
};
using Polygon2 = std::vector<CPoint2>;

// A convex polygon around a centre: random radii at sorted random angles.
Polygon2 RandomConvexish(std::mt19937& random, CPoint2 centre, double radius, int corners)
{
  std::uniform_real_distribution<double> angle(0.0, 2.0 * std::numbers::pi);
  std::uniform_real_distribution<double> scale(0.5, 1.0);
  std::vector<double> angles(static_cast<size_t>(corners));
  for (double& a : angles)
    a = angle(random);
  std::sort(angles.begin(), angles.end());
  Polygon2 polygon;
  for (double a : angles) {
    double r = radius * scale(random);
    polygon.push_back({centre.s + r * std::cos(a), centre.t + r * std::sin(a)});
  }
  return polygon;
}

bool Holds(const Polygon2& polygon, double s, double t)
{
  bool inside = false;
  for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++)
    if ((polygon[i].t > t) != (polygon[j].t > t) &&
        s < polygon[i].s + (t - polygon[i].t) * (polygon[j].s - polygon[i].s) / (polygon[j].t - polygon[i].t))
      inside = !inside;
  return inside;
}

// A tilted plane, so the analysis has to find its own frame.
CVectorArray InSpace(const Polygon2& polygon)
{
  const CVector origin{1.0, -2.0, 0.5};
  const CVector a{0.6, 0.8, 0.0};
  const CVector b{-0.48, 0.36, 0.8};
  CVectorArray vertices;
  for (const CPoint2& p : polygon)
    vertices.push_back(origin + p.s * a + p.t * b);
  return vertices;
}

TEST(SurfaceCoverageSampling, WatchedAreaAgreesWithFineSamplingOnGeneratedScenes)
{
  constexpr int kSamples = 1200; // per side of the surface's bounds
  std::mt19937 random(20240518);
  std::uniform_real_distribution<double> place(-2.5, 2.5);
  for (int scene = 0; scene < 6; ++scene) {
    Polygon2 surface = RandomConvexish(random, {0.0, 0.0}, 3.0, 7);
    std::vector<Polygon2> patches;
    std::vector<CVectorArray> patchesInSpace;
    for (int k = 0; k < 4 + 3 * scene; ++k) {
      patches.push_back(RandomConvexish(random, {place(random), place(random)}, 1.2, 4 + k % 3));
      patchesInSpace.push_back(InSpace(patches.back()));
    }
    std::vector<const CVectorArray*> pointers;
    for (const CVectorArray& patch : patchesInSpace)
      pointers.push_back(&patch);
    CSurfaceCoverage result = AnalyseSurface(InSpace(surface), pointers);

    auto [lowS, highS] = std::minmax_element(surface.begin(), surface.end(),
                                             [](const CPoint2& p, const CPoint2& q) { return p.s < q.s; });
    auto [lowT, highT] = std::minmax_element(surface.begin(), surface.end(),
                                             [](const CPoint2& p, const CPoint2& q) { return p.t < q.t; });
    double ds = (highS->s - lowS->s) / kSamples;
    double dt = (highT->t - lowT->t) / kSamples;
    size_t onSurface = 0;
    size_t watched = 0;
    for (int i = 0; i < kSamples; ++i)
      for (int j = 0; j < kSamples; ++j) {
        double s = lowS->s + (i + 0.5) * ds;
        double t = lowT->t + (j + 0.5) * dt;
        if (!Holds(surface, s, t))
          continue;
        ++onSurface;
        watched +=
            std::any_of(patches.begin(), patches.end(), [s, t](const Polygon2& patch) { return Holds(patch, s, t); })
                ? 1
                : 0;
      }
    double sampledArea = static_cast<double>(onSurface) * ds * dt;
    double sampledWatched = static_cast<double>(watched) * ds * dt;
    EXPECT_NEAR(result.area, sampledArea, 0.002 * sampledArea) << scene;
    EXPECT_NEAR(result.watched, sampledWatched, 0.002 * sampledWatched) << scene;
    EXPECT_NEAR(result.blindArea, result.area - result.watched, 1e-6 * result.area) << scene;
    RecordProperty("deviation" + std::to_string(scene),
                   std::to_string((result.watched / sampledWatched - 1.0) * 100.0));

    // The bounds hold whatever the scene.
    double sum = 0.0;
    double largest = 0.0;
    for (const CVectorArray* patch : pointers) {
      double alone = AnalyseSurface(InSpace(surface), {patch}).watched;
      sum += alone;
      largest = std::max(largest, alone);
    }
    EXPECT_LE(result.watched, result.area) << scene;
    EXPECT_LE(result.watched, sum + 1e-12) << scene;
    EXPECT_GE(result.watched, largest - 1e-12) << scene;
  }
}

// CAD1 puts corners on a surface's edge by interpolating in space; on
// doubles such a patch could be lost whole.
TEST(SurfaceCoverageSampling, NoPatchAreaGoesMissingOnGeneratedScenes)
{
  std::mt19937 random(20261207);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (int scene = 0; scene < 300; ++scene) {
    // Triangles and parallelograms: convex, so the patch lies on the surface.
    Polygon2 surface;
    for (int k = 0; k < 3; ++k)
      surface.push_back({6.0 * unit(random) - 3.0, 6.0 * unit(random) - 3.0});
    if (scene % 2 == 1)
      surface.insert(surface.begin() + 2,
                     {surface[1].s + surface[2].s - surface[0].s, surface[1].t + surface[2].t - surface[0].t});
    CVectorArray inSpace = InSpace(surface);
    size_t edge = static_cast<size_t>(scene) % surface.size();
    const CVector& a = inSpace[edge];
    const CVector& b = inSpace[(edge + 1) % surface.size()];
    CVector inside;
    double weights = 0.0;
    for (const CVector& corner : inSpace) {
      double weight = unit(random);
      inside = inside + weight * corner;
      weights += weight;
    }
    inside = inside * (1.0 / weights);
    CVectorArray patch{a + unit(random) * (b - a), a + unit(random) * (b - a), inside};
    CSurfaceCoverage result = AnalyseSurface(inSpace, {&patch});
    double own = 0.5 * Cross(patch[1] - patch[0], patch[2] - patch[0]).Length();
    // Each corner moves less than 1 µm onto the grid.
    double perimeter = (patch[1] - patch[0]).Length() + (patch[2] - patch[1]).Length() + (patch[0] - patch[2]).Length();
    EXPECT_NEAR(result.watched, own, 1e-6 * perimeter) << scene;
    EXPECT_EQ(result.nSkipped, 0u) << scene;
  }
}

} // namespace
