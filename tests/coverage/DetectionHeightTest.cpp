#include "Coverage.h"
#include "ProjectAndClip.h"
#include "RaisedFloor.h"
#include "ZoneCoverage.h"

#include <gtest/gtest.h>

namespace {

CVectorArray Square(double x0, double y0, double x1, double y1, double z)
{
  return {{x0, y0, z}, {x1, y0, z}, {x1, y1, z}, {x0, y1, z}};
}

// From (0, 0, 3) one facet 0.1 m below the centre reaches the floor in the
// square of +-1.5 m and the plane at 1 m in the square of +-1 m. A table top
// at 0.7 m and a shelf top at 2 m stand in its rays.
CCoverageScene HandScene()
{
  CCoverageScene scene;
  scene.centre = {0, 0, 3};
  scene.facets = {Square(-0.05, -0.05, 0.05, 0.05, 2.9)};
  scene.targets = {{"R.Boden", Square(-2, -2, 2, 2, 0)},
                   {"R.Tisch", Square(-0.6, -0.6, -0.2, -0.2, 0.7)},
                   {"R.Regal", Square(0.1, 0.1, 0.3, 0.3, 2.0)}};
  scene.patches = {{"Poly1", ProjectAndClip(scene.centre, scene.facets[0], scene.targets[0].vertices), 0}};
  scene.bTargetsKnown = true;
  return scene;
}

TEST(DetectionHeight, TheFacetReachesTheRaisedPlaneWhereItsRaysCrossIt)
{
  CRaisedFloor raised = RaiseFloor(HandScene(), HandScene().targets[0].vertices, 1.0);
  ASSERT_EQ(raised.patches.size(), 1u);
  ASSERT_EQ(raised.patches[0].size(), 4u);
  for (const CVector& corner : raised.patches[0]) {
    EXPECT_NEAR(std::abs(corner.x), 1.0, 1e-12);
    EXPECT_NEAR(std::abs(corner.y), 1.0, 1e-12);
    EXPECT_NEAR(corner.z, 1.0, 1e-12);
  }
  EXPECT_TRUE(RaiseFloor(HandScene(), HandScene().targets[0].vertices, 3.0).patches.empty());
  EXPECT_DOUBLE_EQ(DetectionHeightLimit(HandScene()), 1.9);
}

// Shadows from the centre onto the plane at Z scale a top at h by
// (3 - Z) / (3 - h); a top below Z hides nothing there.
TEST(DetectionHeight, ObstaclesBelowTheHeightHideNothingThereAndHigherOnesDo)
{
  const double table = 0.4 * 3.0 / 2.3;
  struct Case {
    double height;
    double area;   // of the patch on the floor's (raised) copy
    double hidden; // by the table and the shelf
  } cases[] = {
      {0.0, 9.0, table * table + 0.36},
      {1.0, 4.0, 0.16},
      {1.5, 2.25, 0.09},
  };
  for (const Case& c : cases) {
    CCoverage coverage = AnalyseCoverage(HandScene(), true, c.height);
    const CSurfaceCoverage& floor = coverage.targets[0].coverage;
    EXPECT_NEAR(floor.area, 16.0, 1e-9) << c.height;
    EXPECT_NEAR(floor.hidden, c.hidden, 1e-5) << c.height;
    EXPECT_NEAR(floor.watched, c.area - c.hidden, 1e-5) << c.height;
    EXPECT_EQ(coverage.targets[1].coverage.nPatches, 0u) << c.height;
  }
}

// The zone x 0 to 2, y -0.5 to 0.5 at 1 m: the patch covers its half x < 1,
// of which the shelf's shadow (0.2 to 0.6 square) takes 0.4 x 0.3.
TEST(DetectionHeight, ZonesCountTheVisiblePartsAtTheHeight)
{
  CRoomPlan plan;
  plan.zones = {{"Heizung", {{0, -0.5}, {2, -0.5}, {2, 0.5}, {0, 0.5}}}};
  for (auto [shadows, watched] : {std::pair{true, 0.88}, {false, 1.0}}) {
    std::vector<CZoneCoverage> zones = MeasureZones(plan, AnalyseCoverage(HandScene(), shadows, 1.0));
    ASSERT_EQ(zones.size(), 1u);
    EXPECT_DOUBLE_EQ(zones[0].area, 2.0);
    EXPECT_NEAR(zones[0].watched, watched, 1e-9) << shadows;
  }
}

} // namespace
