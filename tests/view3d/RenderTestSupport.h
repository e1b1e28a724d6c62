#pragma once

#include "GLCamera.h"
#include "RenderedImage.h"

#include <functional>
#include <vector>

struct CRgb {
  int r, g, b;
};

// Column x, row counted from the bottom.
struct CPixel {
  int x, row;
};

// (-1, -1, -1) outside the picture.
CRgb PixelAt(const CRenderedImage& image, CPixel pixel);
bool IsColour(CRgb c, int r, int g, int b, int tolerance = 8);
// Pictures of one scene drawn two ways, or twice: quads split into triangles
// along either diagonal, or another rasteriser, may shade a few edge pixels
// differently; nothing more.
bool LooksTheSame(const CRenderedImage& a, const CRenderedImage& b);
// Pixels that are not the white background.
int DrawnPixels(const CRenderedImage& image);
// Whether some pixel within radius of the given one has the colour.
bool HasColourNear(const CRenderedImage& image, CPixel pixel, int radius, int r, int g, int b);

// Keeps every picture it is given.
class CImageCapture : public CImageDestination {
public:
  bool PutImage(const CRenderedImage& image) override
  {
    images.push_back(image);
    return true;
  }
  std::vector<CRenderedImage> images;
};

// A context for the camera, whose scene the source draws, compiled.
bool BuildScene(CGLCamera& camera, const std::function<void()>& source);

// A camera with a context of the given size whose scene the source draws,
// compiled, then placed at the distance looking along -x (front: world y to
// the right, z up) or along -z (top: world y to the right, x down).
enum class ViewSide { Front, Top };
bool MakeScene(CGLCamera& camera, int width, int height, const std::function<void()>& source, ViewSide side,
               double distance);

// Where a world point lands in the picture of a camera placed by MakeScene.
CPixel ProjectWorld(const CGLCamera& camera, ViewSide side, double x, double y, double z);

// Where a world point lands, right and up from the middle of the picture,
// in units of its depth.
struct CScreen {
  double x, y, depth;
};
CScreen ProjectToScreen(const CGLCamera& camera, const CVector& world);

// The full picture of one paint, without the wireframe preview.
CRenderedImage PaintFinal(CGLCamera& camera);

// Square in the plane x = depth around (y, z), facing +x, in the colour.
void FrontSquare(double depth, double y, double z, double half, double r, double g, double b);
