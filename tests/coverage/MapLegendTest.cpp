#include "CoverageMap.h"
#include "MapFont.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Grey pixels from the column on that are neither white, black nor the
// unwatched grey: the smoothed edges of real glyphs.
int ShadedPixels(const CRenderedImage& image, int fromColumn)
{
  int shaded = 0;
  for (int row = 0; row < image.height; ++row)
    for (int col = fromColumn; col < image.width; ++col) {
      const unsigned char* p = &image.rgb[(static_cast<size_t>(row) * image.width + col) * 3];
      shaded += p[0] == p[1] && p[1] == p[2] && p[0] > 20 && p[0] < 235 && p[0] != 160 ? 1 : 0;
    }
  return shaded;
}

TEST(MapLegend, IsSetInDejaVuSansOrTheMapIsRefused)
{
  struct Case {
    const char* name;
    const char* fontFile; // nullptr: looked for
    bool opens;
  };
  const Case cases[] = {
      {"found in the font folders", nullptr, true},
      {"named", "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", true},
      {"missing", "/no/such/DejaVuSans.ttf", false},
      {"not a font", "/etc/hostname", false},
  };
  for (const Case& c : cases) {
    if (c.fontFile)
      setenv("KMV_MAP_FONT", c.fontFile, 1);
    else
      unsetenv("KMV_MAP_FONT");
    std::string error;
    std::unique_ptr<CMapFont> font = CMapFont::Open(kMapFontPixels, error);
    ASSERT_EQ(font != nullptr, c.opens) << c.name;
    if (!font) {
      EXPECT_NE(error.find(c.fontFile), std::string::npos) << c.name << ": " << error;
      continue;
    }
    // Proportional: "1" is narrower than "5 m".
    EXPECT_LT(font->Width("1"), font->Width("5 m")) << c.name;
    EXPECT_GE(font->LineHeight(), kMapFontPixels) << c.name;
    CMapGrid grid{0.0, 0.0, 1.0, 20, 10};
    std::vector<int> counts(200, 0);
    counts[0] = 3;
    CRenderedImage map = DrawCoverageMap(counts, grid, *font);
    // The legend's numbers right of the plan (cells of 16 pixels), with
    // smoothed edges.
    EXPECT_GT(ShadedPixels(map, 12 + 20 * 16 + 12), 20) << c.name;
  }
  unsetenv("KMV_MAP_FONT");
}

} // namespace
