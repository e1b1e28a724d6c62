#include "StackedRegions.h"

#include <gtest/gtest.h>

namespace {

CPlanarRegion Square(double x0, double y0, double x1, double y1)
{
  return {{{x0, y0, 0.0}, {x1, y0, 0.0}, {x1, y1, 0.0}, {x0, y1, 0.0}}, {}, (x1 - x0) * (y1 - y0)};
}

double AreaOf(const std::vector<CPlanarRegion>& regions)
{
  double area = 0.0;
  for (const CPlanarRegion& region : regions)
    area += region.area;
  return area;
}

// Each set keeps only what no set above it covers; the top one stays whole,
// and the regions of one set keep their own overlaps and outlines.
TEST(StackedRegionsTest, EachSetLosesWhatTheSetsAboveCover)
{
  const std::vector<CPlanarRegion> top{Square(0, 0, 2, 2), Square(1, 0, 2, 2)};
  const std::vector<CPlanarRegion> middle{Square(1, 1, 3, 3), Square(1.5, 1.5, 2.5, 2.5)};
  const std::vector<CPlanarRegion> bottom{Square(0, 0, 4, 4)};
  const auto stacked = StackRegions(Square(0, 0, 4, 4).outer, {&top, &middle, &bottom});
  ASSERT_TRUE(stacked);
  ASSERT_EQ(stacked->size(), 3u);
  EXPECT_DOUBLE_EQ(AreaOf((*stacked)[0]), 6.0);
  EXPECT_EQ((*stacked)[1].size(), 2u);
  EXPECT_NEAR(AreaOf((*stacked)[1]), 3.0 + 0.75, 1e-9);
  EXPECT_NEAR(AreaOf((*stacked)[2]), 16.0 - 7.0, 1e-9);
  EXPECT_EQ((*stacked)[2].size(), 1u);
}

} // namespace
