#include "GLPrimitives.h"
#include "GLRegion.h"
#include "RenderTestSupport.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// Area of the triangles along the normal, negative where one turns against it.
double SignedArea(const CVectorArray& triangles, const CVector& normal)
{
  double area = 0.0;
  for (size_t i = 0; i + 2 < triangles.size(); i += 3)
    area += 0.5 * Cross(triangles[i + 1] - triangles[i], triangles[i + 2] - triangles[i]).Dot(normal);
  return area;
}

TEST(TriangulateRegion, CoversTheOuterRingLessItsHolesTurnedAsTheOuterRing)
{
  const double nan = std::numeric_limits<double>::quiet_NaN();
  // A wall in the x-z plane, wound so that its normal is -y.
  const CVectorArray wall = {{0, 0, 0}, {4, 0, 0}, {4, 0, 3}, {0, 0, 3}};
  const CVectorArray door = {{1, 0, 0.5}, {1, 0, 2.5}, {2, 0, 2.5}, {2, 0, 0.5}};
  const CVectorArray window = {{2.5, 0, 1}, {3.5, 0, 1}, {3.5, 0, 2}, {2.5, 0, 2}};
  struct Case {
    const char* name;
    CVectorArray outer;
    std::vector<CVectorArray> holes;
    double area;
  };
  const Case cases[] = {
      {"plain wall", wall, {}, 12.0},
      {"door and window, either winding", wall, {door, window}, 9.0},
      {"an L of six vertices", {{0, 0, 0}, {2, 0, 0}, {2, 0, 1}, {1, 0, 1}, {1, 0, 2}, {0, 0, 2}}, {}, 3.0},
      {"collinear", {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}}, {}, 0.0},
      {"vertex not finite", {{0, 0, 0}, {4, 0, 0}, {4, 0, nan}, {0, 0, 3}}, {}, 0.0},
      {"hole not finite", wall, {{{1, 0, 1}, {nan, 0, 1}, {2, 0, 2}}}, 0.0},
  };
  for (const Case& c : cases) {
    CVectorArray triangles = TriangulateRegion(c.outer, c.holes);
    EXPECT_EQ(triangles.size() % 3, 0u) << c.name;
    EXPECT_NEAR(SignedArea(triangles, {0, -1, 0}), c.area, 1e-9) << c.name;
    for (size_t i = 0; i < triangles.size(); i += 3)
      EXPECT_GE(Cross(triangles[i + 1] - triangles[i], triangles[i + 2] - triangles[i]).Dot({0, -1, 0}), 0.0) << c.name;
  }
}

TEST(DrawRegion, ShowsOnItsSurfaceBehindWhatStandsACentimetreInFront)
{
  // A wall of 30 m with a region over all of it and a red door 1 cm in front
  // at the rotation centre, seen square on and nearly edge-on, near and far.
  for (double distance : {5.0, 40.0})
    for (double azimuth : {0.0, 75.0}) {
      CGLCamera camera;
      ASSERT_TRUE(MakeScene(
          camera, 200, 160,
          [] {
            FrontSquare(0.0, 0.0, 0.0, 15.0, 0.6, 0.6, 0.6);
            FrontSquare(0.01, 0.0, 0.0, 0.5, 1.0, 0.0, 0.0);
            DrawRegion({{0, -15, -15}, {0, 15, -15}, {0, 15, 15}, {0, -15, 15}}, {}, {0.8, 0.1, 0.55});
          },
          ViewSide::Front, distance));
      camera.SetAngles(0.0, azimuth);
      CRenderedImage picture = PaintFinal(camera);
      CRgb door = PixelAt(picture, {100, 80});
      EXPECT_GT(door.r, 4 * (door.b + 1)) << distance << " " << azimuth;
      // Red, and the region's red-violet, however dimly lit.
      CRgb wall = PixelAt(picture, {100, 20});
      EXPECT_GT(wall.b, 3 * (wall.g + 1)) << distance << " " << azimuth;
    }
}

// A grey square, then a green one with the same corners in the given layer:
// in the front layer it shows, in the surface layer the first one wins.
TEST(DepthLayer, OnlyAFrontPatchShowsOnACoplanarSurface)
{
  for (DepthLayer patchLayer : {DepthLayer::FillFront, DepthLayer::Fill}) {
    SCOPED_TRACE(static_cast<int>(patchLayer));
    CGLCamera camera;
    auto scene = [patchLayer] {
      SetDepthLayer(DepthLayer::Fill);
      FrontSquare(0.0, 0.0, 0.0, 1.0, 0.5, 0.5, 0.5);
      SetDepthLayer(patchLayer);
      FrontSquare(0.0, 0.0, 0.0, 1.0, 0.0, 1.0, 0.0);
      SetDepthLayer(DepthLayer::Default);
    };
    ASSERT_TRUE(MakeScene(camera, 32, 32, scene, ViewSide::Front, 5.0));
    CRenderedImage image = PaintFinal(camera);
    ASSERT_TRUE(image.IsConsistent());
    CRgb centre = PixelAt(image, {16, 16});
    if (patchLayer == DepthLayer::FillFront) {
      EXPECT_GT(centre.g, 200);
      EXPECT_LT(centre.r, 30);
    } else {
      // The grey, not the green and not the white background.
      EXPECT_LT(centre.r, 200);
      EXPECT_NEAR(centre.g, centre.r, 8);
      EXPECT_NEAR(centre.b, centre.r, 8);
    }
  }
}

TEST(DepthLayer, OutlineShowsOnItsFill)
{
  CGLCamera camera;
  auto scene = [] {
    SetDepthLayer(DepthLayer::Fill);
    FrontSquare(0.0, 0.0, 0.0, 1.0, 0.5, 0.5, 0.5);
    SetDepthLayer(DepthLayer::Outline);
    glDisable(GL_LIGHTING);
    glColor3d(0.0, 0.0, 1.0);
    glBegin(GL_LINES);
    GLVertex3(0.0, -1.0, 0.0);
    GLVertex3(0.0, 1.0, 0.0);
    glEnd();
    SetDepthLayer(DepthLayer::Default);
  };
  ASSERT_TRUE(MakeScene(camera, 32, 32, scene, ViewSide::Front, 5.0));
  CRenderedImage image = PaintFinal(camera);
  EXPECT_TRUE(HasColourNear(image, ProjectWorld(camera, ViewSide::Front, 0.0, 0.5, 0.0), 1, 0, 0, 255));
}

} // namespace
