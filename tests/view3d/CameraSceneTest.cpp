#include "GLPrimitives.h"
#include "RenderTestSupport.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

// No extent, or one of a single value, cannot size the projection.
TEST(CameraScene, EmptyOrFlatSceneGetsTheDefaultExtentAndDistanceIsClamped)
{
  for (const std::function<void()>& source : {std::function<void()>(), std::function<void()>([] {
                                                GLTranslate({2.0, 2.0, 2.0});
                                              })}) {
    CGLCamera camera;
    ASSERT_TRUE(BuildScene(camera, source));
    EXPECT_EQ(0.0, camera.GetSceneBounds().min);
    EXPECT_EQ(15.0, camera.GetSceneBounds().max);
    EXPECT_EQ(35.0, camera.GetDistance());
  }
  CGLCamera camera;
  ASSERT_TRUE(camera.CreateContext());
  camera.SetDistance(1000.0);
  camera.Rebuild();
  EXPECT_DOUBLE_EQ(45.0, camera.GetDistance());
  camera.SetDistance(0.0);
  camera.Rebuild();
  EXPECT_DOUBLE_EQ(0.0045, camera.GetDistance());
}

TEST(CameraScene, BoundsTakeEveryCoordinateAndSizeTheProjection)
{
  CGLCamera camera;
  ASSERT_TRUE(BuildScene(camera, [] {
    GLVertex3(1.0, -2.0, 7.0);
    GLTranslate({0.0, 0.0, 9.0});
  }));
  EXPECT_EQ(-2.0, camera.GetSceneBounds().min);
  EXPECT_EQ(9.0, camera.GetSceneBounds().max);
  EXPECT_DOUBLE_EQ(33.0, camera.GetDistance());
  // The whole scene lies between the clip planes seen from that distance.
  EXPECT_LT(camera.GetNear(), camera.GetDistance() - 11.0);
  EXPECT_GT(camera.GetFar(), camera.GetDistance() + 11.0);
  EXPECT_EQ(nullptr, CurrentSceneBounds());
}

TEST(CameraScene, BoundsBelongToEachRenderer)
{
  CGLCamera large;
  CGLCamera small;
  ASSERT_TRUE(BuildScene(large, [] { GLVertex3(0.0, 0.0, 100.0); }));
  ASSERT_TRUE(BuildScene(small, [] { GLVertex3(0.0, 0.0, 2.0); }));
  EXPECT_EQ(100.0, large.GetSceneBounds().max);
  EXPECT_EQ(2.0, small.GetSceneBounds().max);
  EXPECT_GT(large.GetFar(), 100.0);
  EXPECT_LT(small.GetFar(), 100.0);
  EXPECT_EQ(35.0, large.GetDistance());
  EXPECT_DOUBLE_EQ(6.0, small.GetDistance());
  large.Rebuild();
  EXPECT_EQ(100.0, large.GetSceneBounds().max);
  EXPECT_EQ(2.0, small.GetSceneBounds().max);
}

TEST(CameraScene, TallWindowKeepsTheVerticalFieldOfView)
{
  CGLCamera camera;
  ASSERT_TRUE(camera.CreateContext());
  ASSERT_TRUE(camera.Resize(40, 80));
  double projection[16] = {};
  ASSERT_TRUE(camera.RunWithContext([&] { glGetDoublev(GL_PROJECTION_MATRIX, projection); }));
  double cotangent = 1.0 / std::tan(20.0 * std::numbers::pi / 180.0);
  // GL keeps its matrices in single precision.
  EXPECT_NEAR(cotangent, projection[5], 1e-6);
  EXPECT_NEAR(cotangent / 0.5, projection[0], 1e-6);
}
