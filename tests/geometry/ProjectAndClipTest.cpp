#include "ProjectAndClip.h"
#include "PolygonMeasure.h"
#include "VectorExpect.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

// Floor square of 2 m x 2 m around the origin, seen from 2 m above it.
const CVectorArray kFloor{{-1, -1, 0}, {1, -1, 0}, {1, 1, 0}, {-1, 1, 0}};
const CVector kCentre{0, 0, 2};

// A square facet at height 1, halfway between centre and floor.
CVectorArray Facet(double x0, double y0, double x1, double y1, double z = 1.0)
{
  return {{x0, y0, z}, {x1, y0, z}, {x1, y1, z}, {x0, y1, z}};
}

} // namespace

TEST(ProjectAndClip, FacetsInsideTheSurfaceOrAroundItOrWatchingNothing)
{
  // Inside: the projection, in the facet's order.
  ExpectNearVectors({{-0.5, -0.5, 0}, {0.5, -0.5, 0}, {0.5, 0.5, 0}, {-0.5, 0.5, 0}},
                    ProjectAndClip(kCentre, Facet(-0.25, -0.25, 0.25, 0.25), kFloor));
  // Facing away: every ray leaves the plane behind it.
  EXPECT_TRUE(ProjectAndClip(kCentre, Facet(-0.25, -0.25, 0.25, 0.25, 3.0), kFloor).empty());
  // Beside the surface.
  EXPECT_LT(ProjectAndClip(kCentre, Facet(2, 2, 3, 3), kFloor).size(), 3u);
  // Too few vertices on either side.
  EXPECT_TRUE(ProjectAndClip(kCentre, {{0, 0, 1}, {1, 0, 1}}, kFloor).empty());
  EXPECT_TRUE(ProjectAndClip(kCentre, Facet(-0.25, -0.25, 0.25, 0.25), {{0, 0, 0}, {1, 0, 0}}).empty());
  // An image that encloses the surface watches all of it.
  CVectorArray all = ProjectAndClip(kCentre, Facet(-2, -2, 2, 2), kFloor);
  EXPECT_EQ(all, kFloor);
}

// Each patch lies on the floor square and does not depend on the facet's
// winding: every vertex of one is a vertex of the other, up to rounding.
// A zero area only asks for some area.
TEST(ProjectAndClip, FacetsReachingPastTheSurfaceAreCutToItInEitherWinding)
{
  struct Case {
    const char* name;
    CVectorArray facet;
    double area;
    CVector centroid;
  };
  const Case cases[] = {
      {"over an edge", Facet(0.25, -0.25, 0.75, 0.25), 0.5, {0.75, 0, 0}},
      {"over a corner, which the walk adds", Facet(0.25, 0.25, 0.75, 0.75), 0.25, {0.75, 0.75, 0}},
      {"across two edges", Facet(-0.75, -0.2, 0.75, 0.2), 1.6, {0, 0, 0}},
      {"triangle over an edge", {{0.3, 0.1, 1.0}, {0.8, 0.2, 1.0}, {0.4, 0.45, 1.0}}, 0.0, {}},
      // Two vertices above the centre never reach the floor: far points stand in.
      {"beyond the horizon", {{-0.5, 0.2, 1.0}, {0.5, 0.2, 1.0}, {0.5, 0.6, 2.5}, {-0.5, 0.6, 2.5}}, 0.0, {}},
  };
  auto covers = [](const CVectorArray& a, const CVectorArray& b) {
    return std::all_of(a.begin(), a.end(), [&b](const CVector& v) {
      return std::any_of(b.begin(), b.end(), [&v](const CVector& w) { return (v - w).Length() < 1e-9; });
    });
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CVectorArray patch = ProjectAndClip(kCentre, c.facet, kFloor);
    CVectorArray other = ProjectAndClip(kCentre, CVectorArray(c.facet.rbegin(), c.facet.rend()), kFloor);
    ASSERT_GE(patch.size(), 3u);
    for (const CVector& v : patch)
      EXPECT_TRUE(std::abs(v.z) < 1e-9 && std::abs(v.x) <= 1.0 + 1e-9 && std::abs(v.y) <= 1.0 + 1e-9);
    const double area = PolygonArea(patch);
    if (c.area > 0.0) {
      EXPECT_NEAR(area, c.area, 1e-12);
      ExpectNearVector(c.centroid, PolygonCentroid(patch));
    }
    EXPECT_GT(area, 0.0);
    EXPECT_NEAR(PolygonArea(other), area, 1e-9 * area);
    EXPECT_EQ(other.size(), patch.size());
    EXPECT_TRUE(covers(patch, other) && covers(other, patch));
  }
}

TEST(PolygonMeasure, DegenerateInput)
{
  EXPECT_EQ(PolygonArea({}), 0.0);
  EXPECT_EQ(PolygonArea({{0, 0, 0}, {1, 0, 0}}), 0.0);
  ExpectNearVector(CVector{2, 0, 0}, PolygonCentroid({{0, 0, 0}, {2, 0, 0}, {4, 0, 0}}));
  EXPECT_NEAR(PolygonArea({{0, 0, 0}, {0, 3, 0}, {0, 3, 4}}), 6.0, 1e-12);
}
