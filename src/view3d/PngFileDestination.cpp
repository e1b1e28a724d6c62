#include "PngFileDestination.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <vector>

namespace {

// libpng reports errors by longjmp to the setjmp below, so this function
// holds nothing that needs a destructor.
bool WritePng(FILE* file, const CRenderedImage& image, png_bytepp rows)
{
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png)
    return false;
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(image.width), static_cast<png_uint_32>(image.height), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

} // namespace

bool CPngFileDestination::PutImage(const CRenderedImage& image)
{
  if (!image.IsConsistent())
    return false;
  // PNG stores the top row first; the image holds the bottom row first.
  size_t stride = static_cast<size_t>(image.width) * 3;
  std::vector<png_bytep> rows(static_cast<size_t>(image.height));
  for (size_t i = 0; i < rows.size(); ++i)
    rows[i] = const_cast<png_bytep>(image.rgb.data() + (rows.size() - 1 - i) * stride);

  FILE* file = std::fopen(m_path.c_str(), "wb");
  if (!file)
    return false;
  bool written = WritePng(file, image, rows.data());
  if (std::fclose(file) != 0)
    written = false;
  if (!written)
    std::remove(m_path.c_str());
  return written;
}
