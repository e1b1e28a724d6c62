#include "HeldStack.h"

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
// and the regions of one set keep their own overlaps and outlines. The held
// stack serves any top sets laid over it.
TEST(HeldStackTest, EachSetLosesWhatTheSetsAboveCover)
{
  const std::vector<CPlanarRegion> top{Square(0, 0, 2, 2), Square(1, 0, 2, 2)};
  const std::vector<CPlanarRegion> middle{Square(1, 1, 3, 3), Square(1.5, 1.5, 2.5, 2.5)};
  const std::vector<CPlanarRegion> topShadowed{Square(2, 2, 4, 4)};
  const std::vector<CPlanarRegion> bottom{Square(0, 0, 4, 4)};
  const auto held = CHeldStack::Make(Square(0, 0, 4, 4).outer, {&middle}, {&bottom});
  ASSERT_TRUE(held);
  struct Case {
    const std::vector<CPlanarRegion>& visible;
    const std::vector<CPlanarRegion>& shadowed;
    std::vector<double> areas;
    std::vector<size_t> counts;
  };
  const std::vector<CPlanarRegion> none;
  const Case cases[] = {
      {top, topShadowed, {6.0, 3.75, 3.0, 6.0}, {2, 2, 1, 2}},
      {top, none, {6.0, 3.75, 0.0, 9.0}, {2, 2, 0, 1}},
      {none, none, {0.0, 5.0, 0.0, 12.0}, {0, 2, 0, 1}},
      {{Square(3.5, 0, 4, 0.5)}, none, {0.25, 5.0, 0.0, 11.75}, {1, 2, 0, 1}}, // clear of the middle set
  };
  for (const Case& c : cases) {
    const auto stacked = held->Under(c.visible, c.shadowed);
    ASSERT_TRUE(stacked);
    ASSERT_EQ(stacked->size(), 4u);
    for (size_t k = 0; k < 4; ++k) {
      EXPECT_NEAR(AreaOf((*stacked)[k]), c.areas[k], 1e-9) << k;
      EXPECT_EQ((*stacked)[k].size(), c.counts[k]) << k;
    }
  }
}

} // namespace
