#include "GLPrimitives.h"
#include "RenderTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace {

// The marker's blue as the picture holds it.
int MarkerPixels(const CRenderedImage& image, CPixel around, int radius)
{
  int count = 0;
  for (int row = around.row - radius; row <= around.row + radius; ++row)
    for (int x = around.x - radius; x <= around.x + radius; ++x)
      count += IsColour(PixelAt(image, {x, row}), 13, 51, 179, 12) ? 1 : 0;
  return count;
}

TEST(SensorMarker, ShowsAtItsCentreAtFixedSizeWhateverTheDistance)
{
  struct Case {
    const char* name;
    std::optional<CSensorMarker> marker;
    double distance;
    int minNear; // marker pixels within 12 pixels of the centre
  };
  const CSensorMarker facing{{0.0, 0.3, 0.2}, {0.0, 1.0, 0.0}};
  const Case cases[] = {
      {"near", facing, 4.0, 150},
      {"far", facing, 40.0, 150},
      {"behind the eye", CSensorMarker{{50.0, 0.3, 0.2}, {0.0, 1.0, 0.0}}, 4.0, 0},
      {"none", std::nullopt, 4.0, 0},
  };
  for (const Case& c : cases) {
    CGLCamera camera;
    ASSERT_TRUE(MakeScene(
        camera, 200, 160, [] { FrontSquare(0.0, 0.0, 0.0, 1.0, 0.6, 0.6, 0.6); }, ViewSide::Front, c.distance));
    camera.SetSensorMarker(c.marker);
    CRenderedImage picture = PaintFinal(camera);
    CPixel centre = ProjectWorld(camera, ViewSide::Front, facing.centre.x, facing.centre.y, facing.centre.z);
    int near = MarkerPixels(picture, centre, 12);
    EXPECT_GE(near, c.minNear) << c.name;
    // A disc of about 16 pixels and its arrow, nothing elsewhere.
    EXPECT_EQ(MarkerPixels(picture, {100, 80}, 110), MarkerPixels(picture, centre, 40)) << c.name;
    EXPECT_LT(MarkerPixels(picture, centre, 40), 400) << c.name;
  }
}

// Right and up from the middle of the picture, in units of the depth.
struct CScreen {
  double x, y, depth;
};

CScreen Project(const CGLCamera& camera, const CVector& world)
{
  CVector eye = TransformPoint(camera.GetModelView(), world);
  double depth = camera.GetDistance() - eye.z;
  return {eye.x / depth, eye.y / depth, depth};
}

TEST(SensorMarker, SensorViewShowsTheSensorAndTheFirstMetresOfItsFanInAnyScene)
{
  const CSensorMarker wall{{0.1, 2.0, 2.5}, {std::cos(0.3), 0.0, -std::sin(0.3)}};
  const CSensorMarker ceiling{{3.0, 3.0, 3.0}, {0.0, 0.0, -1.0}};
  for (double extent : {2.0, 20.0, 200.0})
    for (const CSensorMarker& sensor : {wall, ceiling}) {
      CGLCamera camera;
      ASSERT_TRUE(camera.CreateContext());
      camera.Resize(400, 300);
      camera.SetSceneSource([extent] { GLVertex3(extent, extent, extent); });
      camera.Rebuild();
      camera.ShowSensor(sensor);
      double halfHeight = std::tan(camera.GetFieldOfView() / 2.0 * kDegToRad);
      CScreen start = Project(camera, sensor.centre);
      for (double along : {0.0, 1.0, 3.0}) {
        CScreen p = Project(camera, sensor.centre + sensor.axis * along);
        EXPECT_GT(p.depth, camera.GetNear()) << extent << " " << along;
        EXPECT_LT(std::fabs(p.y), halfHeight * 0.95) << extent << " " << along;
        EXPECT_LT(std::fabs(p.x), halfHeight * camera.GetAspect() * 0.95) << extent << " " << along;
      }
      // The first three metres take a good part of the picture, not a dot.
      CScreen far = Project(camera, sensor.centre + sensor.axis * 3.0);
      EXPECT_GT(std::hypot(far.x - start.x, far.y - start.y), halfHeight * 0.4) << extent;
    }
}

} // namespace
