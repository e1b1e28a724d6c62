#pragma once

#include <png.h>

#include <array>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

// The parts of a text between the separators; a last empty part is dropped.
inline std::vector<std::string> Split(const std::string& text, char separator)
{
  std::vector<std::string> parts;
  std::istringstream in(text);
  for (std::string part; std::getline(in, part, separator);)
    parts.push_back(part);
  return parts;
}

// Lines of a text, without their line ends.
inline std::vector<std::string> Lines(const std::string& text)
{
  return Split(text, '\n');
}

// Rows of RGB pixels; empty when the file is no readable PNG.
struct CRgbImage {
  int width = 0;
  int height = 0;
  std::vector<png_byte> pixels;

  const png_byte* At(int x, int y) const { return pixels.data() + (static_cast<size_t>(y) * width + x) * 3; }
};

inline CRgbImage ReadPng(const std::string& path)
{
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str()))
    return {};
  image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> pixels(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr))
    return {};
  return {static_cast<int>(image.width), static_cast<int>(image.height), std::move(pixels)};
}

// Pixels within the tolerance of the colour on each channel.
inline int PixelsNear(const CRgbImage& image, const std::array<int, 3>& colour, int tolerance = 1)
{
  int count = 0;
  for (size_t i = 0; i + 2 < image.pixels.size(); i += 3)
    count += std::abs(image.pixels[i] - colour[0]) < tolerance &&
             std::abs(image.pixels[i + 1] - colour[1]) < tolerance &&
             std::abs(image.pixels[i + 2] - colour[2]) < tolerance;
  return count;
}

// Pixels below the first rows that show the patch orange (1, 0.5, 0)
// however it is lit: red leads, green is about half of red, blue almost
// absent. smoke_test.sh counts the screen with the same bounds.
inline int OrangePixelsBelow(const CRgbImage& image, int topRows)
{
  int count = 0;
  for (int y = topRows; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      const int red = image.At(x, y)[0], green = image.At(x, y)[1], blue = image.At(x, y)[2];
      count += red > 60 && 4 * blue < red && 10 * green > 3 * red && 10 * green < 7 * red ? 1 : 0;
    }
  return count;
}
