#include "SceneBounds.h"
#include "GLPrimitives.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

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
