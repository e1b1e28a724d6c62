#pragma once

#include "Vector.h"

#include <gtest/gtest.h>

// Componentwise comparison for results that pass through sin, cos or sqrt.
inline void ExpectNearVector(const CVector& expected, const CVector& actual, double tolerance = 1e-12)
{
  EXPECT_NEAR(expected.x, actual.x, tolerance);
  EXPECT_NEAR(expected.y, actual.y, tolerance);
  EXPECT_NEAR(expected.z, actual.z, tolerance);
}

inline void ExpectNearVectors(const CVectorArray& expected, const CVectorArray& actual, double tolerance = 1e-12)
{
  ASSERT_EQ(expected.size(), actual.size());
  for (size_t i = 0; i < expected.size(); ++i)
    ExpectNearVector(expected[i], actual[i], tolerance);
}
