#include "GLPrimitives.h"
#include "RenderTestSupport.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

// The scene's extent sizes the projection and the start distance; no extent,
// or one of a single value, cannot, and gets the default.
TEST(CameraScene, BoundsTakeEveryCoordinateAndSizeTheProjection)
{
  struct Case {
    std::function<void()> source;
    double min, max, distance;
  };
  const Case cases[] = {
      {nullptr, 0.0, 15.0, 35.0},
      {[] {
         GLTranslate({2.0, 2.0, 2.0});
       },
       0.0, 15.0, 35.0},
      {[] {
         GLVertex3(1.0, -2.0, 7.0), GLTranslate({0.0, 0.0, 9.0});
       },
       -2.0, 9.0, 33.0},
      {[] { GLVertex3(0.0, 0.0, 100.0); }, 0.0, 100.0, 35.0},
      {[] { GLVertex3(0.0, 0.0, 2.0); }, 0.0, 2.0, 6.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.max);
    CGLCamera camera;
    ASSERT_TRUE(BuildScene(camera, c.source));
    EXPECT_EQ(c.min, camera.GetSceneBounds().min);
    EXPECT_EQ(c.max, camera.GetSceneBounds().max);
    EXPECT_DOUBLE_EQ(c.distance, camera.GetDistance());
    // The whole scene lies before the far plane, and behind the near one
    // when the eye stands outside it.
    const double reach = c.max - c.min;
    EXPECT_GT(camera.GetFar(), camera.GetDistance() + reach);
    EXPECT_TRUE(camera.GetDistance() < reach || camera.GetNear() < camera.GetDistance() - reach);
    EXPECT_EQ(nullptr, CurrentSceneBounds());
  }
}

TEST(CameraScene, BoundsBelongToEachRendererAndClampTheDistance)
{
  CGLCamera large;
  CGLCamera small;
  ASSERT_TRUE(BuildScene(large, [] { GLVertex3(0.0, 0.0, 100.0); }));
  ASSERT_TRUE(BuildScene(small, [] { GLVertex3(0.0, 0.0, 2.0); }));
  large.Rebuild();
  EXPECT_EQ(100.0, large.GetSceneBounds().max);
  EXPECT_EQ(2.0, small.GetSceneBounds().max);
  EXPECT_LT(small.GetFar(), 100.0);
  CGLCamera camera;
  ASSERT_TRUE(camera.CreateContext());
  camera.SetDistance(1000.0);
  camera.Rebuild();
  EXPECT_DOUBLE_EQ(45.0, camera.GetDistance());
  camera.SetDistance(0.0);
  camera.Rebuild();
  EXPECT_DOUBLE_EQ(0.0045, camera.GetDistance());
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

TEST(SensorMarker, SensorViewShowsTheSensorAndTheFirstMetresOfItsFanInAnyScene)
{
  const CSensorMarker wall{{0.1, 2.0, 2.5}, {std::cos(0.3), 0.0, -std::sin(0.3)}};
  const CSensorMarker ceiling{{3.0, 3.0, 3.0}, {0.0, 0.0, -1.0}};
  for (double extent : {2.0, 20.0, 200.0})
    for (const CSensorMarker& sensor : {wall, ceiling}) {
      CGLCamera camera;
      camera.Resize(400, 300);
      ASSERT_TRUE(BuildScene(camera, [extent] { GLVertex3(extent, extent, extent); }));
      camera.ShowSensor(sensor);
      double halfHeight = std::tan(camera.GetFieldOfView() / 2.0 * kDegToRad);
      CScreen start = ProjectToScreen(camera, sensor.centre);
      for (double along : {0.0, 1.0, 3.0}) {
        CScreen p = ProjectToScreen(camera, sensor.centre + sensor.axis * along);
        EXPECT_GT(p.depth, camera.GetNear()) << extent << " " << along;
        EXPECT_LT(std::fabs(p.y), halfHeight * 0.95) << extent << " " << along;
        EXPECT_LT(std::fabs(p.x), halfHeight * camera.GetAspect() * 0.95) << extent << " " << along;
      }
      // The first three metres take a good part of the picture, not a dot.
      CScreen far = ProjectToScreen(camera, sensor.centre + sensor.axis * 3.0);
      EXPECT_GT(std::hypot(far.x - start.x, far.y - start.y), halfHeight * 0.4) << extent;
    }
}
