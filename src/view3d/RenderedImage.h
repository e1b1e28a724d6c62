#pragma once

#include <cstddef>
#include <vector>

// A rendered picture: 8-bit red, green, blue per pixel, rows bottom-up (the
// first row is the bottom of the picture), no padding between rows.
struct CRenderedImage {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;

  // Sizes positive and the pixel data exactly as large as they say.
  bool IsConsistent() const
  {
    return width > 0 && height > 0 &&
           rgb.size() == static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3;
  }
};

// Pixel rows a destination keeps, for the renderer to read a picture of that
// size straight into: 4 bytes a pixel (blue, green, red, 255, which is
// QImage::Format_RGB32 on a little-endian machine), the top row first, rows
// bytesPerLine apart.
struct CPixelRows {
  unsigned char* bits = nullptr;
  int width = 0;
  int height = 0;
  std::ptrdiff_t bytesPerLine = 0;
};

// Where the renderer hands each finished picture: a window, a printer page,
// a file.
class CImageDestination {
public:
  virtual ~CImageDestination() = default;
  virtual bool PutImage(const CRenderedImage& image) = 0;
  // A destination that keeps 32-bit rows returns them, sized for the next
  // picture; the renderer reads into them and calls PutRows instead of
  // PutImage. Without bits (the default) the picture comes as RGB.
  virtual CPixelRows RowsFor(int, int) { return {}; }
  virtual bool PutRows() { return false; }
};
