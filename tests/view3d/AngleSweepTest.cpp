#include "AngleSweep.h"
#include "GLPrimitives.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kInf = std::numeric_limits<double>::infinity();

} // namespace

TEST(TurnSweep, EndBelowStartIsRaisedByWholeTurns)
{
  CAngleSweep sweep;
  ASSERT_TRUE(MakeTurnSweep(1.0, 0.5, 10, sweep));
  EXPECT_EQ(10, sweep.steps);
  EXPECT_NEAR(1.0, sweep.At(0), 1e-15);
  EXPECT_NEAR(0.5 + kTwoPi, sweep.End(), 1e-12);

  ASSERT_TRUE(MakeTurnSweep(0.0, -3.0 * kTwoPi - 1.0, 4, sweep));
  EXPECT_NEAR(kTwoPi - 1.0, sweep.End(), 1e-12);
}

TEST(TurnSweep, EndOneTurnBelowStartGivesAFullTurn)
{
  CAngleSweep sweep;
  ASSERT_TRUE(MakeTurnSweep(0.0, -kTwoPi, 8, sweep));
  EXPECT_NEAR(kTwoPi, sweep.End(), 1e-12);
  EXPECT_TRUE(sweep.IsComplete(0.0001, kTwoPi, 0.001));
}

TEST(TurnSweep, HugeAnglesEndWithinOneTurn)
{
  CAngleSweep sweep;
  ASSERT_TRUE(MakeTurnSweep(1e16, 0.0, 32, sweep));
  EXPECT_GT(sweep.step * sweep.steps, 0.0);
  EXPECT_LE(sweep.step * sweep.steps, kTwoPi);
  ASSERT_TRUE(MakeTurnSweep(0.0, -1e300, 32, sweep));
  EXPECT_LE(sweep.step * sweep.steps, kTwoPi);
}

TEST(TurnSweep, RefusesWhatCannotBeDrawn)
{
  CAngleSweep sweep;
  EXPECT_FALSE(MakeTurnSweep(0.0, kInf, 32, sweep));
  EXPECT_FALSE(MakeTurnSweep(-kInf, 0.0, 32, sweep));
  EXPECT_FALSE(MakeTurnSweep(std::nan(""), 1.0, 32, sweep));
  EXPECT_FALSE(MakeTurnSweep(1.0, 1.0, 32, sweep));
  EXPECT_FALSE(MakeTurnSweep(0.0, 1.0, 0, sweep));
  EXPECT_FALSE(MakeTurnSweep(0.0, 1.0, -5, sweep));
  EXPECT_FALSE(MakeTurnSweep(-1e308, 1e308, 32, sweep));
}

TEST(TurnSweep, SegmentCountIsBounded)
{
  CAngleSweep sweep;
  ASSERT_TRUE(MakeTurnSweep(0.0, 1.0, INT_MAX, sweep));
  EXPECT_EQ(kMaxSegments, sweep.steps);
  EXPECT_NEAR(1.0, sweep.End(), 1e-12);
}

TEST(TurnSweep, PartialTurnIsNotComplete)
{
  CAngleSweep sweep;
  ASSERT_TRUE(MakeTurnSweep(0.0, 0.999 * kTwoPi, 120, sweep));
  EXPECT_FALSE(sweep.IsComplete(0.0001, kTwoPi, 0.0001));
  EXPECT_TRUE(sweep.IsComplete(0.0001, kTwoPi, 0.0011));
}

TEST(RangeSweep, ReversedRangeHasNoSteps)
{
  CAngleSweep sweep;
  ASSERT_TRUE(MakeRangeSweep(2.0, 1.0, 32, sweep));
  EXPECT_EQ(0, sweep.steps);
  ASSERT_TRUE(MakeRangeSweep(0.0, std::numbers::pi, 32, sweep));
  EXPECT_EQ(32, sweep.steps);
  EXPECT_TRUE(sweep.IsComplete(0.00001, std::numbers::pi, 0.0001));
  EXPECT_FALSE(MakeRangeSweep(0.0, kInf, 32, sweep));
}
