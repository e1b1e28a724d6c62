#include "RenderTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr double kHalfAxis = 1.5; // half the axes' length at distance 10

struct CAxesPicture {
  CGLCamera camera;
  CRenderedImage image;

  // Seen from 45 degrees above: x points down the picture, y right, z up.
  bool Paint(bool moving)
  {
    if (!MakeScene(camera, 64, 64, nullptr, ViewSide::Front, 10.0))
      return false;
    camera.SetAngles(45.0, 0.0);
    camera.SetMoving(moving);
    image = PaintFinal(camera);
    return image.IsConsistent();
  }

  // Where the point at eye offset (ex, ey, ez) from the centre lands.
  CPixel Eye(double ex, double ey, double ez) const
  {
    double h = std::tan(20.0 * std::numbers::pi / 180.0);
    double depth = camera.GetDistance() - ez;
    return {static_cast<int>((ex / depth / h + 1.0) * 32.0), static_cast<int>((ey / depth / h + 1.0) * 32.0)};
  }
};

TEST(Axes, OnlyTheWireframeFormShowsTheAxesInTheirColours)
{
  CAxesPicture picture;
  ASSERT_TRUE(picture.Paint(true));
  double s = kHalfAxis * std::sqrt(0.5);
  EXPECT_TRUE(HasColourNear(picture.image, picture.Eye(0.0, -s, s), 1, 255, 0, 0));
  EXPECT_TRUE(HasColourNear(picture.image, picture.Eye(kHalfAxis, 0.0, 0.0), 1, 0, 255, 0));
  EXPECT_TRUE(HasColourNear(picture.image, picture.Eye(0.0, s, s), 1, 0, 0, 255));
  EXPECT_FALSE(HasColourNear(picture.image, picture.Eye(-kHalfAxis, 0.0, 0.0), 1, 0, 255, 0));
  CAxesPicture normal;
  ASSERT_TRUE(normal.Paint(false));
  EXPECT_FALSE(HasColourNear(normal.image, normal.Eye(kHalfAxis, 0.0, 0.0), 1, 0, 255, 0));
  EXPECT_TRUE(IsColour(PixelAt(normal.image, {32, 32}), 255, 255, 255, 0));
}

} // namespace
