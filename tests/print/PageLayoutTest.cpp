#include "PageLayout.h"

#include <gtest/gtest.h>

namespace {

struct LayoutCase {
  const char* what;
  CPageMetrics page;
  int bitmapWidth;
  int bitmapHeight;
  CPictureRect expected;
};

// 24 pixels per millimetre (about 610 dpi, given as 600 for the aspect).
constexpr CPageMetrics kPortrait{5040, 7128, 210, 297, 600, 600};
constexpr CPageMetrics kLandscape{7128, 5040, 297, 210, 600, 600};

TEST(PageLayout, PlacesThePictureBelowTheHeader)
{
  const LayoutCase cases[] = {
      {"portrait, wide window: full width", kPortrait, 640, 480, {480, 480, 4080, 3060}},
      {"portrait, window taller than the area: narrowed", kPortrait, 400, 1000, {480, 480, 2467, 6168}},
      {"portrait, exactly the area's aspect: full width", kPortrait, 4080, 6168, {480, 480, 4080, 6168}},
      {"landscape, wide window: lowered and narrowed", kLandscape, 640, 480, {480, 480, 5440, 4080}},
      {"landscape, very wide window: full width", kLandscape, 1000, 200, {480, 480, 6168, 1233}},
      {"pixels per mm rounded half up", {4935, 7128, 210, 297, 600, 600}, 640, 480, {480, 480, 3975, 2981}},
      {"non-square pixels: aspect kept on paper", {5040, 3564, 210, 297, 600, 300}, 640, 480, {480, 240, 4080, 1530}},
  };
  for (const LayoutCase& c : cases) {
    std::optional<CPageLayout> layout = ComputePageLayout(c.page, c.bitmapWidth, c.bitmapHeight);
    ASSERT_TRUE(layout) << c.what;
    EXPECT_EQ(layout->picture.x, c.expected.x) << c.what;
    EXPECT_EQ(layout->picture.y, c.expected.y) << c.what;
    EXPECT_EQ(layout->picture.width, c.expected.width) << c.what;
    EXPECT_EQ(layout->picture.height, c.expected.height) << c.what;
  }
}

TEST(PageLayout, NothingWithoutSizes)
{
  EXPECT_FALSE(ComputePageLayout(kPortrait, 0, 480));
  EXPECT_FALSE(ComputePageLayout(kPortrait, 640, 0));
  EXPECT_FALSE(ComputePageLayout({0, 7128, 0, 297, 600, 600}, 640, 480));
  EXPECT_FALSE(ComputePageLayout({900, 900, 20, 20, 600, 600}, 640, 480)); // margins wider than the page
}

} // namespace
