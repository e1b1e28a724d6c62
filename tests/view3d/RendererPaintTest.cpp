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

void RedSquareAtCentre()
{
  FrontSquare(0.0, 0.0, 0.0, 1.0, 1.0, 0.0, 0.0);
}

// A square off the centre, so the axes of the wireframe form stay clear of it.
void BlueSquareAside()
{
  FrontSquare(0.0, 2.0, 2.0, 1.0, 0.0, 0.0, 1.0);
}

bool IsBlueish(CRgb c)
{
  return c.b > 150 && c.r < 40 && c.g < 40;
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

TEST(GLContext, ReadsOnlyWhileCurrentAndRenderersPutTheCurrentOneBack)
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
  // A renderer's paint and rebuild leave the context that was current.
  CGLCamera camera;
  ASSERT_TRUE(MakeScene(camera, 8, 8, RedSquareAtCentre, ViewSide::Front, 6.0));
  ASSERT_TRUE(second.MakeCurrent());
  PaintFinal(camera);
  camera.Rebuild();
  EXPECT_TRUE(second.ReadPixels(image));
}

// Before any resize the bitmap has the size the renderer reports; sizes
// without pixels are ignored; without a context nothing is painted.
TEST(RendererPaint, BitmapHasTheReportedSizeAndIgnoresEmptySizes)
{
  CGLCamera camera;
  CImageCapture capture;
  EXPECT_FALSE(camera.Paint(capture));
  EXPECT_TRUE(capture.images.empty());
  ASSERT_TRUE(camera.CreateContext());
  CRenderedImage image = PaintFinal(camera);
  EXPECT_EQ(400, image.width);
  EXPECT_EQ(400, image.height);
  EXPECT_FALSE(camera.Resize(0, 10));
  EXPECT_FALSE(camera.Resize(10, -1));
  EXPECT_EQ(400, camera.GetWidth());
  EXPECT_TRUE(camera.Resize(30, 20));
  EXPECT_DOUBLE_EQ(1.5, camera.GetAspect());
  EXPECT_EQ(30, PaintFinal(camera).width);
}

TEST(RendererPaint, FirstPaintShowsTheWireframePreviewFirstAndMovingFormOutlinesOnly)
{
  CGLCamera camera;
  ASSERT_TRUE(MakeScene(camera, 64, 64, BlueSquareAside, ViewSide::Front, 10.0));
  CPixel inside = ProjectWorld(camera, ViewSide::Front, 0.0, 2.0, 2.0);
  CPixel edge = ProjectWorld(camera, ViewSide::Front, 0.0, 2.0, 1.0);
  EXPECT_TRUE(camera.IsPreviewFirst());
  CImageCapture capture;
  EXPECT_TRUE(camera.Paint(capture));
  ASSERT_EQ(2u, capture.images.size());
  EXPECT_TRUE(IsColour(PixelAt(capture.images[0], inside), 255, 255, 255, 0));
  EXPECT_TRUE(IsBlueish(PixelAt(capture.images[1], inside)));
  EXPECT_FALSE(camera.IsPreviewFirst());
  EXPECT_FALSE(camera.IsMoving());
  EXPECT_TRUE(camera.Paint(capture));
  EXPECT_EQ(3u, capture.images.size());

  // The moving form: outlines, and the axes at the centre, y green to the
  // right and z blue upwards, each from the centre only.
  camera.SetMoving(true);
  CRenderedImage image = PaintFinal(camera);
  EXPECT_TRUE(IsColour(PixelAt(image, inside), 255, 255, 255, 0));
  EXPECT_TRUE(IsBlueish(PixelAt(image, edge)) || IsBlueish(PixelAt(image, {edge.x, edge.row - 1})) ||
              IsBlueish(PixelAt(image, {edge.x, edge.row + 1})));
  auto at = [&camera](double y, double z) { return ProjectWorld(camera, ViewSide::Front, 0.0, y, z); };
  EXPECT_TRUE(HasColourNear(image, at(1.5, 0.0), 1, 0, 255, 0));
  EXPECT_TRUE(HasColourNear(image, at(0.0, 1.5), 1, 0, 0, 255));
  EXPECT_FALSE(HasColourNear(image, at(-1.5, 0.0), 1, 0, 255, 0));
  EXPECT_FALSE(HasColourNear(capture.images[1], at(1.5, 0.0), 1, 0, 255, 0));
}

namespace {

// Repaints from inside the hand-over, as a window might.
class CReentrantDestination : public CImageDestination {
public:
  explicit CReentrantDestination(CGLRenderer& renderer) : m_renderer(renderer) {}
  bool PutImage(const CRenderedImage&) override
  {
    CImageCapture inner;
    innerResult = m_renderer.Paint(inner);
    return true;
  }
  bool innerResult = true;

private:
  CGLRenderer& m_renderer;
};

} // namespace

TEST(RendererPaint, APaintUnderWayIsNotEnteredAgain)
{
  CGLCamera camera;
  ASSERT_TRUE(MakeScene(camera, 8, 8, nullptr, ViewSide::Front, 6.0));
  camera.SetPreviewFirst(false);
  CReentrantDestination destination(camera);
  EXPECT_TRUE(camera.Paint(destination));
  EXPECT_FALSE(destination.innerResult);
  EXPECT_TRUE(camera.Paint(destination));
}

namespace {

// Keeps rows with a gap after each; a wrong width makes the renderer hand RGB.
class CRowsCapture : public CImageCapture {
public:
  CPixelRows RowsFor(int width, int height) override
  {
    bits.assign(static_cast<std::size_t>((width + 3) * 4 * height), 0);
    return {bits.data(), width + widthError, height, (width + 3) * 4};
  }
  bool PutRows() override { return ++rowPictures > 0; }
  int widthError = 0, rowPictures = 0;
  std::vector<unsigned char> bits;
};

} // namespace

TEST(RendererPaint, RowsHoldThePictureTopRowFirstInBlueGreenRedOpaque)
{
  CGLCamera camera;
  ASSERT_TRUE(MakeScene(camera, 40, 30, BlueSquareAside, ViewSide::Front, 10.0));
  camera.SetClearColour(0.2f, 0.6f, 0.4f, 0.0f);
  CRenderedImage rgb = PaintFinal(camera);
  EXPECT_TRUE(IsColour(PixelAt(rgb, {0, 0}), 51, 153, 102, 1));
  CRowsCapture rows;
  ASSERT_TRUE(camera.Paint(rows) && rows.rowPictures == 1);
  CRenderedImage fromRows{40, 30, {}};
  for (int row = 29; row >= 0; --row)
    for (int x = 0; x < 40; ++x) {
      const unsigned char* p = rows.bits.data() + (row * 43 + x) * 4;
      fromRows.rgb.insert(fromRows.rgb.end(), {p[3] == 255 ? p[2] : p[3], p[1], p[0]});
    }
  EXPECT_EQ(rgb.rgb, fromRows.rgb);
  rows.widthError = 1;
  ASSERT_TRUE(camera.Paint(rows) && rows.rowPictures == 1 && rows.images.size() == 1);
  EXPECT_EQ(rgb.rgb, rows.images[0].rgb);
}
