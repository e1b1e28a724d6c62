#include "NumberFormat.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

TEST(NumberFormat, WritesFifteenDigitsWithThreeDigitExponent)
{
  EXPECT_EQ(FormatDouble(0.1), "1.000000000000000e-001");
  EXPECT_EQ(FormatDouble(0.0), "0.000000000000000e+000");
  EXPECT_EQ(FormatDouble(-1.5), "-1.500000000000000e+000");
  EXPECT_EQ(FormatDouble(1e-100), "1.000000000000000e-100");
  EXPECT_EQ(FormatDouble(-1e300), "-1.000000000000000e+300");
  EXPECT_EQ(FormatDouble(std::numeric_limits<double>::denorm_min()), "4.940656458412465e-324");
  EXPECT_EQ(FormatDouble(std::numeric_limits<double>::infinity()), "inf");
  EXPECT_EQ(FormatDouble(-std::numeric_limits<double>::infinity()), "-inf");
}

TEST(NumberFormat, ReadsWhatScanfReads)
{
  double v = 0;
  EXPECT_EQ(ParseDouble(" 1.000000000000000e-001 x", v), 23u);
  EXPECT_DOUBLE_EQ(v, 0.1);
  EXPECT_EQ(ParseDouble("1.5e-01", v), 7u);
  EXPECT_DOUBLE_EQ(v, 0.15);
  EXPECT_EQ(ParseDouble("+2.5", v), 4u);
  EXPECT_DOUBLE_EQ(v, 2.5);
  EXPECT_EQ(ParseDouble("-.5", v), 3u);
  EXPECT_DOUBLE_EQ(v, -0.5);
  EXPECT_EQ(ParseDouble("0x1p3", v), 5u);
  EXPECT_DOUBLE_EQ(v, 8.0);
  EXPECT_GT(ParseDouble("1e400", v), 0u);
  EXPECT_TRUE(std::isinf(v));
  EXPECT_GT(ParseDouble("-1e-400", v), 0u);
  EXPECT_EQ(v, 0.0);
  EXPECT_GT(ParseDouble("nan", v), 0u);
  EXPECT_TRUE(std::isnan(v));
  EXPECT_GT(ParseDouble("-inf", v), 0u);
  EXPECT_TRUE(std::isinf(v) && v < 0);
  v = 7;
  EXPECT_EQ(ParseDouble("abc", v), 0u);
  EXPECT_EQ(ParseDouble("   ", v), 0u);
  EXPECT_EQ(ParseDouble("", v), 0u);
  EXPECT_EQ(v, 7);
  // Its inline front reads the same from every form.
  for (const char* text : {"1.000000000000000e-001 x", "-.5", "+2.5", "0x1p3", "-0X1p3", "1e400", "-1e-400", "nan",
                           "-inf", "12abc", "-", "abc", ""}) {
    double front = 7;
    double whole = 7;
    EXPECT_EQ(ParseDoubleAtFront(text, front), ParseDouble(text, whole)) << text;
    EXPECT_EQ(std::bit_cast<std::uint64_t>(front), std::bit_cast<std::uint64_t>(whole)) << text;
  }
}

TEST(NumberFormat, WrittenNumbersReadBackExactly)
{
  for (double value : {0.1, 1.0 / 3.0, -123456.789, 6.02214076e23, 2.2250738585072014e-308}) {
    double back = 0;
    std::string text = FormatDouble(value);
    ASSERT_EQ(ParseDouble(text, back), text.size());
    EXPECT_NEAR(back, value, std::abs(value) * 1e-15) << text;
  }
}

TEST(NumberFormat, IntegersSaturateAndNeedDigits)
{
  int v = 0;
  EXPECT_EQ(ParseInt(" -12x", v), 4u);
  EXPECT_EQ(v, -12);
  EXPECT_EQ(ParseInt("+7", v), 2u);
  EXPECT_EQ(v, 7);
  EXPECT_GT(ParseInt("99999999999999999999", v), 0u);
  EXPECT_EQ(v, std::numeric_limits<int>::max());
  EXPECT_GT(ParseInt("-99999999999999999999", v), 0u);
  EXPECT_EQ(v, std::numeric_limits<int>::min());
  EXPECT_EQ(ParseInt("-", v), 0u);
  EXPECT_EQ(ParseInt("x1", v), 0u);
}
