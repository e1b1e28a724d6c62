#include "GLCamera.h"
#include "GLPrimitives.h"
#include "RenderTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

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

} // namespace
