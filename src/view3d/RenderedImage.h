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

// Where the renderer hands each finished picture: a window, a printer page,
// a file.
class CImageDestination {
public:
  virtual ~CImageDestination() = default;
  virtual bool PutImage(const CRenderedImage& image) = 0;
};
