#include "AngleSweep.h"
#include "GLPrimitives.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>
#include <numbers>
#include <tuple>
#include <utility>

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(TurnSweep, EndIsRaisedAboveTheStartByWholeTurnsAndTheStepsAreBounded)
{
  struct Case {
    double start, end;
    int segments;
    double swept; // end minus start of the sweep
  };
  const Case cases[] = {
      {1.0, 0.5, 10, kTwoPi - 0.5},
      {0.0, -3.0 * kTwoPi - 1.0, 4, kTwoPi - 1.0},
      {0.0, -kTwoPi, 8, kTwoPi}, // one turn below gives a full turn, not none
      {0.0, 1.0, INT_MAX, 1.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.end);
    CAngleSweep sweep;
    ASSERT_TRUE(MakeTurnSweep(c.start, c.end, c.segments, sweep));
    EXPECT_EQ(std::min(c.segments, kMaxSegments), sweep.steps);
    EXPECT_NEAR(c.start, sweep.At(0), 1e-15);
    EXPECT_NEAR(c.start + c.swept, sweep.End(), 1e-12);
  }
  // Angles so large that a step cannot change them still sweep within one turn.
  for (auto [start, end] : {std::pair{1e16, 0.0}, {0.0, -1e300}}) {
    CAngleSweep sweep;
    ASSERT_TRUE(MakeTurnSweep(start, end, 32, sweep));
    EXPECT_GT(sweep.step * sweep.steps, 0.0);
    EXPECT_LE(sweep.step * sweep.steps, kTwoPi);
  }
}

TEST(AngleSweep, RefusesWhatCannotBeDrawn)
{
  const std::tuple<double, double, int> refused[] = {
      {0.0, kInf, 32}, {-kInf, 0.0, 32}, {std::nan(""), 1.0, 32}, {1.0, 1.0, 32},
      {0.0, 1.0, 0},   {0.0, 1.0, -5},   {-1e308, 1e308, 32},
  };
  CAngleSweep sweep;
  for (const auto& [start, end, segments] : refused)
    EXPECT_FALSE(MakeTurnSweep(start, end, segments, sweep)) << start << " " << end << " " << segments;
  EXPECT_FALSE(MakeRangeSweep(0.0, kInf, 32, sweep));
}

// Only a sweep within the tolerance of its full angle is complete; a
// reversed range has no steps.
TEST(AngleSweep, CompleteWithinTheToleranceAndReversedRangesEmpty)
{
  CAngleSweep sweep;
  ASSERT_TRUE(MakeTurnSweep(0.0, -kTwoPi, 8, sweep));
  EXPECT_TRUE(sweep.IsComplete(0.0001, kTwoPi, 0.001));
  ASSERT_TRUE(MakeTurnSweep(0.0, 0.999 * kTwoPi, 120, sweep));
  EXPECT_FALSE(sweep.IsComplete(0.0001, kTwoPi, 0.0001));
  EXPECT_TRUE(sweep.IsComplete(0.0001, kTwoPi, 0.0011));
  ASSERT_TRUE(MakeRangeSweep(2.0, 1.0, 32, sweep));
  EXPECT_EQ(0, sweep.steps);
  ASSERT_TRUE(MakeRangeSweep(0.0, std::numbers::pi, 32, sweep));
  EXPECT_EQ(32, sweep.steps);
  EXPECT_TRUE(sweep.IsComplete(0.00001, std::numbers::pi, 0.0001));
}

} // namespace
