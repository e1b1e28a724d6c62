#include "RenderTestSupport.h"

#include "GLPrimitives.h"

#include <GL/gl.h>

#include <cmath>
#include <cstdlib>
#include <numbers>

CRgb PixelAt(const CRenderedImage& image, CPixel pixel)
{
  if (pixel.x < 0 || pixel.row < 0 || pixel.x >= image.width || pixel.row >= image.height)
    return {-1, -1, -1};
  const unsigned char* p = image.rgb.data() + (static_cast<std::size_t>(pixel.row) * image.width + pixel.x) * 3;
  return {p[0], p[1], p[2]};
}

bool IsColour(CRgb c, int r, int g, int b, int tolerance)
{
  return std::abs(c.r - r) <= tolerance && std::abs(c.g - g) <= tolerance && std::abs(c.b - b) <= tolerance;
}

bool LooksTheSame(const CRenderedImage& a, const CRenderedImage& b)
{
  if (!a.IsConsistent() || !b.IsConsistent() || a.width != b.width || a.height != b.height)
    return false;
  int different = 0;
  for (int row = 0; row < a.height; ++row)
    for (int x = 0; x < a.width; ++x) {
      CRgb c = PixelAt(b, {x, row});
      different += IsColour(PixelAt(a, {x, row}), c.r, c.g, c.b, 3) ? 0 : 1;
    }
  return different <= 20;
}

int DrawnPixels(const CRenderedImage& image)
{
  int drawn = 0;
  for (int row = 0; row < image.height; ++row)
    for (int x = 0; x < image.width; ++x)
      drawn += IsColour(PixelAt(image, {x, row}), 255, 255, 255, 0) ? 0 : 1;
  return drawn;
}

bool HasColourNear(const CRenderedImage& image, CPixel pixel, int radius, int r, int g, int b)
{
  for (int row = pixel.row - radius; row <= pixel.row + radius; ++row)
    for (int x = pixel.x - radius; x <= pixel.x + radius; ++x) {
      if (IsColour(PixelAt(image, {x, row}), r, g, b))
        return true;
    }
  return false;
}

bool BuildScene(CGLCamera& camera, const std::function<void()>& source)
{
  if (!camera.CreateContext())
    return false;
  camera.SetSceneSource(source);
  camera.Rebuild();
  return true;
}

bool MakeScene(CGLCamera& camera, int width, int height, const std::function<void()>& source, ViewSide side,
               double distance)
{
  camera.Resize(width, height);
  if (!BuildScene(camera, source))
    return false;
  camera.SetAngles(side == ViewSide::Top ? 90.0 : 0.0, 0.0);
  camera.SetPan({0.0, 0.0, 0.0});
  camera.SetDistance(distance);
  return true;
}

CPixel ProjectWorld(const CGLCamera& camera, ViewSide side, double x, double y, double z)
{
  // Eye coordinates relative to the rotation centre.
  double ex = y;
  double ey = side == ViewSide::Top ? -x : z;
  double ez = side == ViewSide::Top ? z : x;
  double halfHeight = std::tan(camera.GetFieldOfView() / 2.0 * std::numbers::pi / 180.0);
  double depth = camera.GetDistance() - ez;
  double ndcX = ex / depth / (halfHeight * camera.GetAspect());
  double ndcY = ey / depth / halfHeight;
  return {static_cast<int>(std::floor((ndcX + 1.0) / 2.0 * camera.GetWidth())),
          static_cast<int>(std::floor((ndcY + 1.0) / 2.0 * camera.GetHeight()))};
}

CRenderedImage PaintFinal(CGLCamera& camera)
{
  CImageCapture capture;
  camera.SetPreviewFirst(false);
  camera.Paint(capture);
  return capture.images.empty() ? CRenderedImage() : capture.images.back();
}

void FrontSquare(double depth, double y, double z, double half, double r, double g, double b)
{
  glColor3d(r, g, b);
  glNormal3d(1.0, 0.0, 0.0);
  glBegin(GL_QUADS);
  GLVertex3(depth, y - half, z - half);
  GLVertex3(depth, y + half, z - half);
  GLVertex3(depth, y + half, z + half);
  GLVertex3(depth, y - half, z + half);
  glEnd();
}

CScreen ProjectToScreen(const CGLCamera& camera, const CVector& world)
{
  CVector eye = TransformPoint(camera.GetModelView(), world);
  double depth = camera.GetDistance() - eye.z;
  return {eye.x / depth, eye.y / depth, depth};
}
