#pragma once

#include <string_view>

// A 3x5 pixel font for the map's numbers: digits, "." and "m".
constexpr int kGlyphWidth = 3;
constexpr int kGlyphHeight = 5;

// Whether the pixel (x from the left, y from the top) of the glyph is set;
// characters without a glyph are blank.
bool GlyphPixel(char c, int x, int y);

// Width in font pixels, one blank column between characters.
inline int TextWidth(std::string_view text)
{
  return text.empty() ? 0 : static_cast<int>(text.size()) * (kGlyphWidth + 1) - 1;
}
