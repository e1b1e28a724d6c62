#include "PageLayout.h"

#include <cmath>

namespace {

constexpr int kMarginMm = 20;
constexpr int kHeaderTopMm = 5;

int RoundedPixelsPerMm(int pixels, int millimetres)
{
  return static_cast<int>(std::floor(static_cast<double>(pixels) / millimetres + 0.5));
}

} // namespace

std::optional<CPageLayout> ComputePageLayout(const CPageMetrics& page, int bitmapWidth, int bitmapHeight)
{
  if (page.nWidth <= 0 || page.nHeight <= 0 || page.nWidthMm <= 0 || page.nHeightMm <= 0 || page.nDpiX <= 0 ||
      page.nDpiY <= 0 || bitmapWidth <= 0 || bitmapHeight <= 0)
    return std::nullopt;
  CPageLayout layout;
  layout.nPixelsPerMmX = RoundedPixelsPerMm(page.nWidth, page.nWidthMm);
  layout.nPixelsPerMmY = RoundedPixelsPerMm(page.nHeight, page.nHeightMm);
  int mx = kMarginMm * layout.nPixelsPerMmX;
  int my = kMarginMm * layout.nPixelsPerMmY;
  // Device pixels need not be square: the ratio of the resolutions keeps
  // the picture's aspect on paper.
  double xScale = static_cast<double>(page.nDpiX) * bitmapWidth;
  double yScale = static_cast<double>(page.nDpiY) * bitmapHeight;
  int width = page.nWidth - 2 * mx;
  int height = static_cast<int>(width * yScale / xScale);
  if (height + my > page.nHeight - my) {
    height = page.nHeight - 2 * my;
    width = static_cast<int>(height * xScale / yScale);
  }
  if (width <= 0 || height <= 0)
    return std::nullopt;
  layout.picture = {mx, my, width, height};
  layout.nHeaderX = mx;
  int top = kHeaderTopMm * layout.nPixelsPerMmY;
  for (int line = 0; line < 3; ++line)
    layout.nHeaderBaselines[line] = top + line * page.nDpiY / 6;
  layout.nFontHeight = page.nDpiY / 8;
  return layout;
}
