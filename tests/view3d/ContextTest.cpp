#include "GLContext.h"
#include "RenderTestSupport.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

namespace {

void ClearTo(float r, float g, float b)
{
  glClearColor(r, g, b, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
}

} // namespace

TEST(GLContext, RunsWithoutWindowSystemAtTheRequestedSizeWithDepthAndRowsBottomUp)
{
  CGLContext context;
  ASSERT_TRUE(context.Create(32, 16));
  ClearTo(1.0f, 1.0f, 1.0f);
  glEnable(GL_SCISSOR_TEST);
  glScissor(0, 0, 32, 1);
  ClearTo(0.0f, 1.0f, 0.0f);
  glDisable(GL_SCISSOR_TEST);
  CRenderedImage image;
  ASSERT_TRUE(context.ReadPixels(image));
  EXPECT_EQ(32, image.width);
  EXPECT_EQ(16, image.height);
  ASSERT_TRUE(image.IsConsistent());
  EXPECT_TRUE(IsColour(PixelAt(image, {31, 0}), 0, 255, 0, 0));
  EXPECT_TRUE(IsColour(PixelAt(image, {31, 15}), 255, 255, 255, 0));
  GLint depthBits = 0;
  GLint stencilBits = 0;
  glGetIntegerv(GL_DEPTH_BITS, &depthBits);
  glGetIntegerv(GL_STENCIL_BITS, &stencilBits);
  EXPECT_GE(depthBits, 24);
  // A stencil would double the depth buffer that every frame clears.
  EXPECT_EQ(0, stencilBits);
}

TEST(GLContext, ResizeKeepsOldBuffersWhenTheNewSizeIsRefused)
{
  CGLContext context;
  ASSERT_TRUE(context.Create(10, 10));
  EXPECT_TRUE(context.Resize(20, 5));
  EXPECT_EQ(20, context.Width());
  EXPECT_EQ(5, context.Height());
  EXPECT_FALSE(context.Resize(0, 5));
  EXPECT_FALSE(context.Resize(100000, 100000));
  CRenderedImage image;
  ASSERT_TRUE(context.ReadPixels(image));
  EXPECT_EQ(20, image.width);
  EXPECT_EQ(5, image.height);
}

TEST(GLContext, ReadsOnlyWhileCurrent)
{
  CGLContext first;
  CGLContext second;
  ASSERT_TRUE(first.Create(4, 4));
  ASSERT_TRUE(second.Create(4, 4));
  CRenderedImage image;
  EXPECT_FALSE(first.ReadPixels(image));
  EXPECT_TRUE(second.ReadPixels(image));
  {
    CSavedCurrentContext saved;
    ASSERT_TRUE(first.MakeCurrent());
    EXPECT_TRUE(first.ReadPixels(image));
    saved.Restore();
  }
  EXPECT_TRUE(second.ReadPixels(image));
}
