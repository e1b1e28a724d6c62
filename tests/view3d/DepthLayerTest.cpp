#include "GLPrimitives.h"
#include "RenderTestSupport.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

namespace {

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
