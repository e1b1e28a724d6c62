#include "GLPrimitives.h"
#include "RenderTestSupport.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(DepthLayer, TableOfRanges)
{
  const std::tuple<DepthLayer, double, double> ranges[] = {
      {DepthLayer::Default, 0.00004, 1.0},          {DepthLayer::Fill, 0.00004, 1.0},
      {DepthLayer::FillFront, 0.00003, 0.99999},    {DepthLayer::Outline, 0.0001, 0.99997},
      {DepthLayer::OutlineFront, 0.00002, 0.99998}, {DepthLayer::GridLines, 0.00001, 0.99997},
  };
  for (const auto& [layer, zNear, zFar] : ranges) {
    SCOPED_TRACE(static_cast<int>(layer));
    EXPECT_EQ(zNear, DepthLayerRange(layer).zNear);
    EXPECT_EQ(zFar, DepthLayerRange(layer).zFar);
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
      EXPECT_EQ(centre.r, centre.g);
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
