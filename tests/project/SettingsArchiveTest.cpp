#include "SettingsArchive.h"

#include <gtest/gtest.h>

namespace {

TEST(SettingsArchive, LittleEndianValuesWithoutFramingReadBack)
{
  CSettingsArchive out;
  out.WriteInt32(-2);
  out.WriteUInt16(0x1234);
  out.WriteByte(0xAB);
  out.WriteFloat(1.0f);
  out.WriteDouble(-2.0);
  ASSERT_EQ(out.GetBytes(), std::string("\xFE\xFF\xFF\xFF\x34\x12\xAB\x00\x00\x80\x3F"
                                        "\x00\x00\x00\x00\x00\x00\x00\xC0",
                                        19));
  CSettingsArchive in(out.GetBytes());
  std::int32_t i = 0;
  std::uint16_t u = 0;
  std::uint8_t b = 0;
  float f = 0;
  double d = 0;
  EXPECT_TRUE(in.Exchange(i) && in.Exchange(u) && in.Exchange(b) && in.Exchange(f) && in.Exchange(d));
  EXPECT_TRUE(i == -2 && u == 0x1234 && b == 0xAB && f == 1.0f && d == -2.0);
}

// Reading past the end fails for good, even for the bytes that are there,
// and leaves the value; exchanging against the direction fails.
TEST(SettingsArchive, ReadPastTheEndOrAgainstTheDirectionFailsAndLeavesTheValue)
{
  CSettingsArchive in(std::string("\x01\x00\x00", 3));
  std::int32_t value = 42;
  std::uint16_t unit = 9;
  EXPECT_FALSE(in.ReadInt32(value) || in.ReadUInt16(unit));
  EXPECT_TRUE(value == 42 && unit == 9 && in.HasFailed());
  EXPECT_FALSE(CSettingsArchive(std::string(8, '\0')).WriteInt32(1));
  CSettingsArchive out;
  std::uint8_t b = 0;
  EXPECT_FALSE(out.ReadByte(b) || out.WriteByte(1));
  EXPECT_TRUE(out.GetBytes().empty());
}

} // namespace
