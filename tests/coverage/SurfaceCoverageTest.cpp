#include "SurfaceCoverage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using Outline = std::vector<std::pair<double, double>>;

// A polygon in the plane z = 0.
CVectorArray Floor(const Outline& outline)
{
  CVectorArray vertices;
  for (auto [x, y] : outline)
    vertices.push_back({x, y, 0.0});
  return vertices;
}

CVectorArray Square(double x0, double y0, double x1, double y1)
{
  return Floor({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}});
}

CSurfaceCoverage Analyse(const CVectorArray& surface, const std::vector<CVectorArray>& patches)
{
  std::vector<const CVectorArray*> pointers;
  for (const CVectorArray& patch : patches)
    pointers.push_back(&patch);
  return AnalyseSurface(surface, pointers);
}

struct CHandCase {
  const char* name;
  std::vector<CVectorArray> patches;
  double watched;
  int overlap;
  size_t blindSpots;
  double blindArea;
};

TEST(SurfaceCoverage, HandComputedCasesOnASquareOfFourMetres)
{
  const CVectorArray surface = Square(0, 0, 4, 4);
  const CHandCase cases[] = {
      {"two overlapping squares", {Square(0, 0, 2, 2), Square(1, 1, 3, 3)}, 7.0, 2, 1, 9.0},
      {"covers the whole surface", {Square(-1, -1, 5, 5)}, 16.0, 1, 0, 0.0},
      {"reaches past the edge", {Square(3, 0, 5, 2)}, 2.0, 1, 1, 14.0},
      {"no patches", {}, 0.0, 0, 1, 16.0},
      {"identical patches count once", {Square(0, 0, 2, 2), Square(0, 0, 2, 2)}, 4.0, 2, 1, 12.0},
      {"disjoint patches add up", {Square(0, 0, 1, 1), Square(2, 2, 3, 3)}, 2.0, 1, 1, 14.0},
      {"a shared edge is no overlap", {Square(0, 0, 2, 2), Square(2, 0, 4, 2)}, 8.0, 1, 1, 8.0},
      {"three deep", {Square(0, 0, 3, 3), Square(1, 1, 4, 4), Square(1, 0, 2, 4)}, 14.0, 3, 2, 2.0},
      {"a patch inside leaves a ring", {Square(1, 1, 3, 3)}, 4.0, 1, 1, 12.0},
  };
  for (const CHandCase& c : cases) {
    CSurfaceCoverage result = Analyse(surface, c.patches);
    EXPECT_NEAR(result.area, 16.0, 1e-12) << c.name;
    EXPECT_NEAR(result.watched, c.watched, 1e-9) << c.name;
    EXPECT_EQ(result.overlap, c.overlap) << c.name;
    EXPECT_EQ(result.blindSpots.size(), c.blindSpots) << c.name;
    EXPECT_NEAR(result.blindArea, c.blindArea, 1e-9) << c.name;
    EXPECT_EQ(result.nSkipped, 0u) << c.name;
  }
}

TEST(SurfaceCoverage, BlindSpotsAreWorldPolygonsInTheSurfacePlaneWithTheirHoles)
{
  // A wall in the plane x = 2.
  CVectorArray wall{{2, 0, 0}, {2, 4, 0}, {2, 4, 3}, {2, 0, 3}};
  CVectorArray patch{{2, 1, 1}, {2, 2, 1}, {2, 2, 2}, {2, 1, 2}};
  CSurfaceCoverage result = AnalyseSurface(wall, {&patch});
  EXPECT_NEAR(result.watched, 1.0, 1e-12);
  ASSERT_EQ(result.blindSpots.size(), 1u);
  const CPlanarRegion& spot = result.blindSpots[0];
  EXPECT_NEAR(spot.area, 11.0, 1e-12);
  ASSERT_EQ(spot.holes.size(), 1u);
  for (const CVector& v : spot.outer)
    EXPECT_NEAR(v.x, 2.0, 1e-12);
  ASSERT_EQ(result.patchParts.size(), 1u);
  EXPECT_NEAR(result.patchParts[0].area, 1.0, 1e-12);
}

TEST(SurfaceCoverage, BlindSpotsBelowOneSquareMillimetreAreNotListed)
{
  // Four patches leave a hole of 0.5 mm x 0.5 mm; the right half stays blind.
  CSurfaceCoverage result = Analyse(Square(0, 0, 2, 1), {Square(0, 0, 1, 0.5), Square(0, 0.5005, 1, 1),
                                                         Square(0, 0, 0.5, 1), Square(0.5005, 0, 1, 1)});
  EXPECT_NEAR(result.watched, 1.0 - 2.5e-7, 1e-12);
  ASSERT_EQ(result.blindSpots.size(), 1u);
  EXPECT_NEAR(result.blindSpots[0].area, 1.0, 1e-12);
}

struct CBadCase {
  const char* name;
  CVectorArray surface;
  std::vector<CVectorArray> patches;
  double area;
  double watched;
  size_t hulled;
  size_t skipped;
};

TEST(SurfaceCoverage, BadInputIsMeasuredOrSkippedNeverFatal)
{
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const CVectorArray square = Square(0, 0, 4, 4);
  const CBadCase cases[] = {
      {"self-crossing patch", square, {Floor({{0, 0}, {2, 2}, {2, 0}, {0, 2}})}, 16, 4, 1, 0},
      {"patch with a NaN vertex", square, {Floor({{0, 0}, {nan, 1}, {1, 1}})}, 16, 0, 0, 1},
      {"patch with an infinite vertex", square, {Floor({{0, 0}, {inf, 1}, {1, 1}})}, 16, 0, 0, 1},
      {"patch on a line", square, {Floor({{0, 0}, {1, 1}, {2, 2}})}, 16, 0, 1, 1},
      {"patch of one point", square, {Floor({{1, 1}, {1, 1}, {1, 1}})}, 16, 0, 1, 1},
      {"patch of two vertices", square, {Floor({{0, 0}, {1, 1}})}, 16, 0, 0, 1},
      {"patch with far points", square, {Floor({{1, 1}, {1e5, 1}, {1e5, 1e5}, {1, 1e5}})}, 16, 9, 0, 0},
      {"surface on a line", Floor({{0, 0}, {1, 1}, {2, 2}}), {square}, 0, 0, 0, 1},
      {"surface with NaN", Floor({{0, 0}, {nan, 0}, {1, 1}}), {square}, 0, 0, 0, 1},
      {"self-crossing surface", Floor({{0, 0}, {4, 4}, {4, 0}, {0, 4}}), {Square(0, 0, 2, 2)}, 16, 4, 0, 0},
      {"no vertices", {}, {square, {}}, 0, 0, 0, 2},
  };
  for (const CBadCase& c : cases) {
    CSurfaceCoverage result = Analyse(c.surface, c.patches);
    EXPECT_NEAR(result.area, c.area, 1e-9) << c.name;
    EXPECT_NEAR(result.watched, c.watched, 1e-9) << c.name;
    EXPECT_EQ(result.nHulled, c.hulled) << c.name;
    EXPECT_EQ(result.nSkipped, c.skipped) << c.name;
    EXPECT_TRUE(std::isfinite(result.blindArea)) << c.name;
  }
}

// Tilted plates with a triangle whose two corners CAD1 put on the plate's
// edge: Boost.Geometry on doubles intersected each pair to nothing.
TEST(SurfaceCoverage, TrianglesTouchingTheEdgeKeepTheirArea)
{
  const struct {
    CVectorArray plate;
    CVectorArray patch;
    double area;
  } cases[] = {
      {{{-0x1.972dcbe47094dp+0, -0x1.bdee6f8ad6bb9p+0, 0x1.828e58ab2d1a2p-3},
        {-0x1.386fe07591f49p-1, -0x1.350a739dc9d26p-1, 0x1.828e58ab2d1a2p-3},
        {-0x1.23ab7dca79165p+1, 0x1.aa9ff1cbdb91ep-1, -0x1.849c0f2154698p-4},
        {-0x1.a1266b9f4ce39p+1, -0x1.3864f3581025cp-2, -0x1.849c0f2154698p-4}},
       {{-0x1.299f81ed315ddp+1, -0x1.1bf83a4ceaffcp+0, 0x1.0597206db8992p-4},
        {-0x1.3794b4951c44p+1, -0x1.03edd1b3a3b4cp+0, 0x1.735378d708p-5},
        {-0x1.3a88f5cfd4774p+1, -0x1.31362ce6e466p-5, -0x1.40a0efae971d4p-5}},
       0.052676073},
      {{{0x1.da34ad36baf6cp+0, 0x1.de7fd83e09fa8p-1, 0x1.d97b8f7ad70f4p-3},
        {0x1.3de95e3ddb948p+1, -0x1.b71e50ed1215p-5, 0x1.d97b8f7ad70f4p-3},
        {0x1.12bb63de890d8p+2, 0x1.1a24b0dcecdeap+0, 0x1.aba64bbc8e52p-7},
        {0x1.d4a7c01a9401fp+1, 0x1.0b8ec7c1ad364p+1, 0x1.aba64bbc8e52p-7}},
       {{0x1.c0b7451ee06f6p+1, 0x1.32d33e1fdc056p-1, 0x1.ba387b6038718p-4},
        {0x1.42f8403725094p+1, -0x1.d09a689ea0146p-6, 0x1.cfb93a7b613bap-3},
        {0x1.34c9bbe292babp+1, 0x1.cd92cb3fcd4c8p-1, 0x1.7af7a9e781081p-3}},
       0.494047263},
  };
  for (const auto& c : cases) {
    CSurfaceCoverage result = AnalyseSurface(c.plate, {&c.patch});
    EXPECT_NEAR(result.watched, c.area, 1e-5) << c.area;
    EXPECT_EQ(result.nGuarded + result.nSkipped, 0u) << c.area;
  }
}

} // namespace
