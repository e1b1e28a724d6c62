#pragma once

#include <optional>

// What the page layout needs of a printing device, in its own pixels: the
// printable area, its size in millimetres and the logical resolution.
struct CPageMetrics {
  int nWidth = 0;
  int nHeight = 0;
  int nWidthMm = 0;
  int nHeightMm = 0;
  int nDpiX = 0;
  int nDpiY = 0;
};

struct CPictureRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// Where the picture and the header go on one page, in device pixels.
struct CPageLayout {
  int nPixelsPerMmX = 0;
  int nPixelsPerMmY = 0;
  CPictureRect picture;
  int nHeaderX = 0;
  int nHeaderBaselines[3] = {};
  int nFontHeight = 0;
};

// Picture 20 mm from the left and top, as wide as the page less both
// margins and as high as the bitmap's aspect demands; a picture that would
// reach into the bottom margin is made lower and narrowed instead. Pixels
// per millimetre are rounded to whole numbers first. Nothing when the page
// or the bitmap has no size.
std::optional<CPageLayout> ComputePageLayout(const CPageMetrics& page, int bitmapWidth, int bitmapHeight);
