#include "SceneBounds.h"
#include "GLPrimitives.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(SceneBounds, StartsEmptyAndTakesScalarExtremes)
{
  CSceneBounds bounds;
  EXPECT_TRUE(bounds.IsEmpty());
  bounds.Add(3.0);
  bounds.Add(-2.0);
  bounds.Add(1.0);
  EXPECT_FALSE(bounds.IsEmpty());
  EXPECT_EQ(-2.0, bounds.min);
  EXPECT_EQ(3.0, bounds.max);
  bounds.Reset();
  EXPECT_TRUE(bounds.IsEmpty());
}

TEST(SceneBounds, IgnoresValuesThatAreNotFinite)
{
  CSceneBounds bounds;
  bounds.Add(std::numeric_limits<double>::infinity());
  bounds.Add(-std::numeric_limits<double>::infinity());
  bounds.Add(std::nan(""));
  EXPECT_TRUE(bounds.IsEmpty());
}

TEST(SceneBoundsScope, FeedsOnlyTheInnermostScopeAndRestoresTheOuter)
{
  CSceneBounds outer;
  CSceneBounds inner;
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
  EXPECT_EQ(-1.0, outer.min);
  EXPECT_EQ(3.0, outer.max);
  EXPECT_EQ(10.0, inner.min);
  EXPECT_EQ(10.0, inner.max);
}

TEST(SceneBoundsScope, PrimitivesOutsideAScopeAddNothing)
{
  AddToSceneBounds(5.0);
  GLTranslate({1.0, 1.0, 1.0});
  EXPECT_EQ(nullptr, CurrentSceneBounds());
}
