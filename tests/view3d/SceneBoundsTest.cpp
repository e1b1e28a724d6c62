#include "SceneBounds.h"
#include "GLContext.h"
#include "GLPrimitives.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <limits>
#include <utility>

namespace {

const CVector kGrey{0.5, 0.5, 0.5};

class LineFamily : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(m_context.Create(4, 4)); }

  CGLContext m_context;
};

// Minor lines of a grid from -5 to 5 with step 0.2, every fifth left to the
// major lines; and families that are refused because of their step or size.
TEST_F(LineFamily, DrawsEveryPositionButTheSkippedOnesAndRefusesTooManyLines)
{
  const CLineFamily minor{
      .first = -5.0 + 0.2, .step = 0.2, .limit = 5.0 - 0.0005 * 0.2, .from = -5.0, .to = 5.0, .skipEvery = 5};
  CLineFamily noSkip = minor, skipAll = minor, zeroStep = minor, negativeStep = minor, nanStep = minor;
  noSkip.skipEvery = 0;
  skipAll.skipEvery = 1;
  zeroStep.step = 0.0;
  negativeStep.step = -0.2;
  nanStep.step = std::nan("");
  CLineFamily descending = minor;
  descending.first = -0.2;
  descending.descending = true;
  descending.limit = -5.0 + 0.0005 * 0.2;
  const std::pair<CLineFamily, int> cases[] = {
      {minor, 40},
      {noSkip, 49},
      {skipAll, 0},
      {descending, 20},
      {zeroStep, 0},
      {negativeStep, 0},
      {nanStep, 0},
      {{.first = 0.0, .step = 1.0, .limit = kMaxFamilyLines - 1}, kMaxFamilyLines},
      {{.first = 0.0, .step = 1.0, .limit = kMaxFamilyLines}, 0},
      {{.first = 0.0, .step = 1e-300, .limit = kMaxFamilyLines}, 0},
      {{.first = 0.0, .step = 1.0, .limit = INFINITY}, 0},
  };
  for (size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(cases[i].second, DrawLineFamily(cases[i].first, kGrey)) << "case " << i;
  // A step lost in a huge position still ends at the bound.
  EXPECT_LE(DrawLineFamily({.first = 1e16, .step = 0.2, .limit = 1e16 + 1000.0}, kGrey), kMaxFamilyLines);
}

TEST_F(LineFamily, LinesRunAcrossTheFamily)
{
  CSceneBounds bounds;
  {
    CSceneBoundsScope collect(bounds);
    EXPECT_EQ(1, DrawLineFamily({.vertical = false, .first = 1.0, .limit = 1.0, .from = -3.0, .to = 4.0}, kGrey));
  }
  EXPECT_EQ(-3.0, bounds.min);
  EXPECT_EQ(4.0, bounds.max);
}

} // namespace

TEST(SceneBounds, TakesTheExtremesOfFiniteValuesOnly)
{
  CSceneBounds bounds;
  for (double value : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(), std::nan("")})
    bounds.Add(value);
  EXPECT_TRUE(bounds.IsEmpty());
  for (double value : {3.0, -2.0, 1.0})
    bounds.Add(value);
  EXPECT_FALSE(bounds.IsEmpty());
  EXPECT_EQ(-2.0, bounds.min);
  EXPECT_EQ(3.0, bounds.max);
  bounds.Reset();
  EXPECT_TRUE(bounds.IsEmpty());
}

TEST(SceneBoundsScope, FeedsOnlyTheInnermostScopeAndRestoresTheOuter)
{
  CSceneBounds outer;
  CSceneBounds inner;
  // Outside every scope the primitives add to nothing.
  AddToSceneBounds(5.0);
  GLTranslate({7.0, 7.0, 7.0});
  EXPECT_EQ(nullptr, CurrentSceneBounds());
  {
    CSceneBoundsScope outerScope(outer);
    GLTranslate({1.0, 2.0, 3.0});
    {
      CSceneBoundsScope innerScope(inner);
      EXPECT_EQ(&inner, CurrentSceneBounds());
      AddToSceneBounds(10.0);
    }
    EXPECT_EQ(&outer, CurrentSceneBounds());
    AddToSceneBounds(-1.0);
  }
  EXPECT_EQ(nullptr, CurrentSceneBounds());
  AddToSceneBounds(-9.0);
  EXPECT_EQ(-1.0, outer.min);
  EXPECT_EQ(3.0, outer.max);
  EXPECT_EQ(10.0, inner.min);
  EXPECT_EQ(10.0, inner.max);
}
