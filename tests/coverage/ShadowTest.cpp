#include "SurfaceCoverage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

namespace {

CVectorArray Floor(double x0, double y0, double x1, double y1, double z = 0.0)
{
  return {{x0, y0, z}, {x1, y0, z}, {x1, y1, z}, {x0, y1, z}};
}

// A wall in the plane x = x0.
CVectorArray WallX(double x0, double y0, double y1, double height)
{
  return {{x0, y0, 0}, {x0, y1, 0}, {x0, y1, height}, {x0, y0, height}};
}

struct CShadowCase {
  const char* name;
  CVectorArray surface; // the patch covers it whole
  std::vector<CVectorArray> occluders;
  CVector centre;
  double hidden;
  size_t degenerate;
};

TEST(Shadows, HandComputedShadowsOnAPatch)
{
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const CVectorArray floor = Floor(0, 0, 4, 4);
  const CVectorArray lFloor{{0, 0, 0}, {4, 0, 0}, {4, 2, 0}, {2, 2, 0}, {2, 4, 0}, {0, 4, 0}};
  // Seen from (3, 1, 2) the inner wall x = 2 hides the far leg above y = 4 - x,
  // down to where it stands less than 1 mm above the floor.
  const double lEdge = 3.0 - 2.0 / 1.999;
  const CVectorArray lTop{{1, 1, 0.75}, {2, 1, 0.75}, {2, 1.5, 0.75}, {1.5, 1.5, 0.75}, {1.5, 2, 0.75}, {1, 2, 0.75}};
  const CVectorArray line{{1, 1, 1}, {2, 2, 1}}, collinear{{1, 1, 1}, {2, 2, 1}, {3, 3, 1}};
  const CShadowCase cases[] = {
      // From 3 m, a top at 0.75 m casts itself enlarged by 3 / 2.25.
      {"table top", floor, {Floor(1, 1, 2, 2, 0.75)}, {0, 0, 3}, 16.0 / 9.0, 0},
      // The side x = 2 hides |y - 2| <= x / 2 from x = 4 / 1.999 to the edge.
      {"box side", floor, {WallX(2, 1, 3, 1)}, {0, 2, 2}, (16.0 - std::pow(4.0 / 1.999, 2)) / 2.0, 0},
      {"L-shaped room", lFloor, {WallX(2, 2, 4, 3)}, {3, 1, 2}, lEdge * lEdge / 2.0, 0},
      {"wall meeting the floor", floor, {WallX(0, 0, 4, 3), WallX(4, 0, 4, 3)}, {1, 2, 2}, 0.0, 0},
      {"floor meeting the wall", WallX(0, 0, 4, 3), {floor}, {1, 2, 2}, 0.0, 0},
      // A concave top: an L of 0.75 m², cast enlarged as the square.
      {"L-shaped table top", floor, {lTop}, {0, 0, 3}, 0.75 * 16.0 / 9.0, 0},
      {"occluder behind the patch", floor, {Floor(1, 1, 2, 2, -0.5)}, {0, 0, 3}, 0.0, 0},
      {"occluder 0.5 mm in front", floor, {Floor(1, 1, 2, 2, 0.0005)}, {0, 0, 3}, 0.0, 0},
      {"occluder 2 mm in front", floor, {Floor(1, 1, 2, 2, 0.002)}, {0, 0, 3}, std::pow(3.0 / 2.998, 2), 0},
      {"occluder above the centre", floor, {Floor(1, 1, 2, 2, 3.5)}, {0, 0, 3}, 0.0, 0},
      {"degenerate occluders", floor, {line, collinear, Floor(1, nan, 2, 2, 1)}, {0, 0, 3}, 0.0, 3},
      {"centre not finite", floor, {Floor(1, 1, 2, 2, 0.75)}, {nan, 0, 3}, 0.0, 0},
  };
  for (const CShadowCase& c : cases) {
    CShadowCasters casters{c.centre, {}};
    for (const CVectorArray& occluder : c.occluders)
      casters.occluders.push_back(&occluder);
    CSurfaceCoverage result = AnalyseSurface(c.surface, {&c.surface}, &casters);
    EXPECT_NEAR(result.hidden, c.hidden, 1e-5) << c.name;
    EXPECT_NEAR(result.watched, result.area - c.hidden, 1e-5) << c.name;
    EXPECT_NEAR(result.blindArea, c.hidden, 1e-5) << c.name;
    double shadowed = 0.0;
    for (const CPlanarRegion& part : result.shadowed)
      shadowed += part.area;
    EXPECT_NEAR(shadowed, c.hidden, 1e-5) << c.name;
    EXPECT_EQ(result.nDegenerateOccluders, c.degenerate) << c.name;
    EXPECT_EQ(result.nGuarded, 0u) << c.name;
  }
}

// Is q hidden by the segment test: does the open segment to the centre cross
// an occluder more than 1 mm above the floor?
bool SegmentHidden(const CVector& q, const CVector& centre, const std::vector<CVectorArray>& occluders)
{
  for (const CVectorArray& o : occluders) {
    CVector normal = Cross(o[1] - o[0], o[2] - o[0]);
    double s = normal.Dot(o[0] - q) / normal.Dot(centre - q);
    CVector p = q + s * (centre - q);
    if (!(s > 0.0 && s < 1.0) || p.z <= 1e-3)
      continue;
    // Convex occluders: inside when on the inner side of every edge.
    bool inside = true;
    for (size_t i = 0; i < o.size(); ++i)
      inside = inside && Cross(o[(i + 1) % o.size()] - o[i], p - o[i]).Dot(normal) >= 0.0;
    if (inside)
      return true;
  }
  return false;
}

// Inside a region of the floor, and how far from its nearest edge.
std::pair<bool, double> Locate(const std::vector<CPlanarRegion>& regions, const CVector& q)
{
  bool inside = false;
  double nearest = HUGE_VAL;
  for (const CPlanarRegion& region : regions) {
    std::vector<const CVectorArray*> rings{&region.outer};
    for (const CVectorArray& hole : region.holes)
      rings.push_back(&hole);
    for (const CVectorArray* ring : rings)
      for (size_t i = 0, j = ring->size() - 1; i < ring->size(); j = i++) {
        const CVector &a = (*ring)[i], &b = (*ring)[j];
        if ((a.y > q.y) != (b.y > q.y) && q.x < a.x + (q.y - a.y) * (b.x - a.x) / (b.y - a.y))
          inside = !inside;
        CVector ab = b - a;
        double t = std::clamp((q - a).Dot(ab) / ab.Dot(ab), 0.0, 1.0);
        nearest = std::min(nearest, (q - (a + t * ab)).Length());
      }
  }
  return {inside, nearest};
}

TEST(Shadows, VisiblePartsAgreeWithTheSegmentTestOnGeneratedScenes)
{
  std::mt19937 random(20261207);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  const CVectorArray floor = Floor(0, 0, 6, 6);
  for (int scene = 0; scene < 8; ++scene) {
    // Tables: a top and one side down to the floor.
    std::vector<CVectorArray> occluders;
    for (int k = 0; k < 3; ++k) {
      double x = 5 * unit(random), y = 5 * unit(random), h = 0.4 + unit(random);
      occluders.push_back(Floor(x, y, x + 0.3 + unit(random), y + 0.3 + unit(random), h));
      occluders.push_back({{x, y, 0}, {x, y + 0.5, 0}, {x, y + 0.5, h}, {x, y, h}});
    }
    CShadowCasters casters{{6 * unit(random), 6 * unit(random), 2 + unit(random)}, {}};
    for (const CVectorArray& occluder : occluders)
      casters.occluders.push_back(&occluder);
    CVectorArray patch = Floor(unit(random), unit(random), 5 + unit(random), 5 + unit(random));
    CSurfaceCoverage result = AnalyseSurface(floor, {&patch}, &casters);
    double parts = 0.0;
    for (const auto* list : {&result.patchParts, &result.hiddenParts})
      for (const CPlanarRegion& part : *list)
        parts += part.area;
    EXPECT_NEAR(parts, (patch[1].x - patch[0].x) * (patch[2].y - patch[1].y), 1e-5) << scene;
    for (int sample = 0; sample < 2000; ++sample) {
      CVector q{patch[0].x + (patch[1].x - patch[0].x) * unit(random),
                patch[0].y + (patch[2].y - patch[0].y) * unit(random), 0.0};
      auto [visible, fromVisible] = Locate(result.patchParts, q);
      auto [hidden, fromHidden] = Locate(result.hiddenParts, q);
      if (std::min(fromVisible, fromHidden) < 1e-4)
        continue;
      EXPECT_NE(visible, hidden) << scene << " " << q.x << " " << q.y;
      EXPECT_EQ(hidden, SegmentHidden(q, casters.centre, occluders)) << scene << " " << q.x << " " << q.y;
    }
  }
}

} // namespace
