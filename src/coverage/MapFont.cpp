#include "MapFont.h"

#include <array>
#include <cstdint>

namespace {

// Five rows of three bits each, the top row first, the left column highest.
struct CGlyph {
  char c;
  std::array<std::uint8_t, kGlyphHeight> rows;
};

constexpr CGlyph kGlyphs[] = {
    {'0', {7, 5, 5, 5, 7}}, {'1', {2, 6, 2, 2, 7}}, {'2', {7, 1, 7, 4, 7}}, {'3', {7, 1, 7, 1, 7}},
    {'4', {5, 5, 7, 1, 1}}, {'5', {7, 4, 7, 1, 7}}, {'6', {7, 4, 7, 5, 7}}, {'7', {7, 1, 1, 2, 2}},
    {'8', {7, 5, 7, 5, 7}}, {'9', {7, 5, 7, 1, 7}}, {'.', {0, 0, 0, 0, 2}}, {'m', {0, 0, 7, 7, 5}},
    {'+', {0, 2, 7, 2, 0}},
};

} // namespace

bool GlyphPixel(char c, int x, int y)
{
  if (x < 0 || x >= kGlyphWidth || y < 0 || y >= kGlyphHeight)
    return false;
  for (const CGlyph& glyph : kGlyphs)
    if (glyph.c == c)
      return (glyph.rows[static_cast<size_t>(y)] >> (kGlyphWidth - 1 - x) & 1) != 0;
  return false;
}
