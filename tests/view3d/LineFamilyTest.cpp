#include "GLContext.h"
#include "GLPrimitives.h"
#include "SceneBounds.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class LineFamily : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(m_context.Create(4, 4)); }

  // Minor lines of a grid from -5 to 5 with step 0.2 and 5 divisions.
  static CLineFamily MinorLines()
  {
    CLineFamily family;
    family.first = -5.0 + 0.2;
    family.step = 0.2;
    family.limit = 5.0 - 0.0005 * 0.2;
    family.from = -5.0;
    family.to = 5.0;
    family.skipEvery = 5;
    return family;
  }

  CGLContext m_context;
};

} // namespace

TEST_F(LineFamily, SkipsEveryNthLineWhereAMajorLineLies)
{
  CLineFamily family = MinorLines();
  EXPECT_EQ(40, DrawLineFamily(family));
  family.skipEvery = 0;
  EXPECT_EQ(49, DrawLineFamily(family));
  family.skipEvery = 1;
  EXPECT_EQ(0, DrawLineFamily(family));
}

TEST_F(LineFamily, DescendsFromTheCentre)
{
  CLineFamily family = MinorLines();
  family.first = -0.2;
  family.descending = true;
  family.limit = -5.0 + 0.0005 * 0.2;
  EXPECT_EQ(20, DrawLineFamily(family));
}

TEST_F(LineFamily, LinesRunAcrossTheFamily)
{
  CLineFamily family;
  family.vertical = false;
  family.first = 1.0;
  family.limit = 1.0;
  family.from = -3.0;
  family.to = 4.0;
  CSceneBounds bounds;
  {
    CSceneBoundsScope collect(bounds);
    EXPECT_EQ(1, DrawLineFamily(family));
  }
  EXPECT_EQ(-3.0, bounds.min);
  EXPECT_EQ(4.0, bounds.max);
}

TEST_F(LineFamily, StepThatIsNotPositiveDrawsNothing)
{
  CLineFamily family = MinorLines();
  family.step = 0.0;
  EXPECT_EQ(0, DrawLineFamily(family));
  family.step = -0.2;
  EXPECT_EQ(0, DrawLineFamily(family));
  family.step = std::nan("");
  EXPECT_EQ(0, DrawLineFamily(family));
}

TEST_F(LineFamily, TooManyLinesDrawNothing)
{
  CLineFamily family;
  family.first = 0.0;
  family.step = 1.0;
  family.limit = kMaxFamilyLines - 1;
  EXPECT_EQ(kMaxFamilyLines, DrawLineFamily(family));
  family.limit = kMaxFamilyLines;
  EXPECT_EQ(0, DrawLineFamily(family));
  family.step = 1e-300;
  EXPECT_EQ(0, DrawLineFamily(family));
  family.limit = INFINITY;
  family.step = 1.0;
  EXPECT_EQ(0, DrawLineFamily(family));
}

TEST_F(LineFamily, StepLostInAHugePositionEndsAtTheBound)
{
  CLineFamily family;
  family.first = 1e16;
  family.step = 0.2;
  family.limit = 1e16 + 1000.0;
  EXPECT_LE(DrawLineFamily(family), kMaxFamilyLines);
}
