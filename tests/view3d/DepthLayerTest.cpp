#include "GLPrimitives.h"
#include "RenderTestSupport.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

TEST(DepthLayer, TableOfRanges)
{
  auto expectRange = [](DepthLayer layer, double zNear, double zFar) {
    CDepthRange range = DepthLayerRange(layer);
    EXPECT_EQ(zNear, range.zNear);
    EXPECT_EQ(zFar, range.zFar);
  };
  expectRange(DepthLayer::Default, 0.00004, 1.0);
  expectRange(DepthLayer::Fill, 0.00004, 1.0);
  expectRange(DepthLayer::FillFront, 0.00003, 0.99999);
  expectRange(DepthLayer::Outline, 0.0001, 0.99997);
  expectRange(DepthLayer::OutlineFront, 0.00002, 0.99998);
  expectRange(DepthLayer::GridLines, 0.00001, 0.99997);
}

namespace {

// A grey square, then a green one with the same corners in the given layer.
CRenderedImage PaintPatchOverSurface(DepthLayer patchLayer)
{
  CGLCamera camera;
  auto scene = [patchLayer] {
    SetDepthLayer(DepthLayer::Fill);
    FrontSquare(0.0, 0.0, 0.0, 1.0, 0.5, 0.5, 0.5);
    SetDepthLayer(patchLayer);
    FrontSquare(0.0, 0.0, 0.0, 1.0, 0.0, 1.0, 0.0);
    SetDepthLayer(DepthLayer::Default);
  };
  if (!MakeScene(camera, 32, 32, scene, ViewSide::Front, 5.0))
    return {};
  return PaintFinal(camera);
}

} // namespace

TEST(DepthLayer, FrontPatchShowsOnACoplanarSurface)
{
  CRenderedImage image = PaintPatchOverSurface(DepthLayer::FillFront);
  ASSERT_TRUE(image.IsConsistent());
  CRgb centre = PixelAt(image, {16, 16});
  EXPECT_GT(centre.g, 200);
  EXPECT_LT(centre.r, 30);
}

TEST(DepthLayer, PatchInTheSurfaceLayerLosesToTheSurfaceDrawnFirst)
{
  CRenderedImage image = PaintPatchOverSurface(DepthLayer::Fill);
  ASSERT_TRUE(image.IsConsistent());
  CRgb centre = PixelAt(image, {16, 16});
  EXPECT_EQ(centre.r, centre.g);
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
