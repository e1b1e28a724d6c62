#pragma once

#include "ModelTestSupport.h"
#include "Vector.h"

#include <gtest/gtest.h>

#include <string>

// A project text around the given records; its root is P.
inline std::string InProject(const std::string& records)
{
  return "begin-sim-data P  _ 1 1 0 \n" + records + "\nend-sim-data";
}

// Head of a coloured entry's record in P: position (1, 2, 3), rotation 0,
// fill colour 0.5, line colour 0.25, then the flags text.
inline std::string ColourRecord(const char* keyword, const char* name, const char* flags = "1 1 ")
{
  return std::string(keyword) + " " + name + " P _ 1 1 1 2 3 0 0 0 0.5 0.5 0.5 0.25 0.25 0.25 " + flags;
}

inline void ExpectNear(const CVector& expected, const CVector& actual, double tolerance = 1e-12)
{
  EXPECT_NEAR(expected.x, actual.x, tolerance);
  EXPECT_NEAR(expected.y, actual.y, tolerance);
  EXPECT_NEAR(expected.z, actual.z, tolerance);
}
