#include "NumberCopy.h"
#include "NumberFormat.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {

// A copy must be exactly what FormatDouble writes; counts the copies.
int CheckCopy(const std::string& token, double value)
{
  char out[kMaxFormattedDouble];
  size_t used = 0;
  int n = CopyFormattedDouble(token, value, used, out);
  if (n != 0) {
    EXPECT_EQ(std::string(out, static_cast<size_t>(n)), FormatDouble(value)) << token;
    EXPECT_EQ(used, token.size()) << token;
  }
  return n != 0 ? 1 : 0;
}

// The numbers of source read one after the other, as the reader does, each
// as ParseDouble reads it, then written by a copier told where
// IsWrittenAsRead did not hold: exactly what FormatDouble writes for each.
void CheckAsRead(const std::string& source)
{
  std::vector<double> values;
  std::vector<CUnprovenNumber> unproven;
  std::string expected;
  double value = 0.0;
  for (size_t pos = 0, used = 0;; pos += used) {
    while (pos < source.size() && IsScanfSpace(source[pos]))
      ++pos;
    bool writtenAsRead = false;
    double parsed = 0.0;
    used = ParseDoubleNotingCopy(std::string_view(source).substr(pos), value, writtenAsRead);
    EXPECT_EQ(used, ParseDouble(std::string_view(source).substr(pos), parsed)) << source.substr(pos);
    if (used == 0)
      break;
    EXPECT_EQ(std::bit_cast<std::uint64_t>(value), std::bit_cast<std::uint64_t>(parsed)) << source.substr(pos);
    EXPECT_EQ(writtenAsRead, IsWrittenAsRead(std::string_view(source).substr(pos, used), value)) << source.substr(pos);
    if (!writtenAsRead)
      unproven.push_back({static_cast<std::uint32_t>(values.size()), static_cast<std::uint32_t>(pos + used)});
    values.push_back(value);
    expected += FormatDouble(value) + " ";
  }
  std::string written(values.size() * (kMaxFormattedDouble + 1), ' ');
  CAsReadCopier copier(source);
  char* out = written.data();
  size_t next = 0;
  for (const CUnprovenNumber& number : unproven) {
    out = copier.Copy(number.index - next, out);
    ASSERT_NE(out, nullptr) << source;
    out += FormatDouble(values[number.index], out);
    *out++ = ' ';
    copier.SkipTo(number.end);
    next = number.index + 1;
  }
  out = copier.Copy(values.size() - next, out);
  ASSERT_NE(out, nullptr) << source;
  written.resize(static_cast<size_t>(out - written.data()));
  EXPECT_EQ(written, expected) << source;
}

std::string ToChars(double value)
{
  char text[40];
  return {text, std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 15).ptr};
}

} // namespace

// The safety net of the copying writer: doubles of every exponent as
// to_chars and FormatDouble write them, read back, each also against the
// value before writing, its neighbour and its negation (changed values), and
// tokens of random digits read back as from_chars does.
TEST(NumberCopy, CopiesOnlyWhatFormatDoubleWrites)
{
  std::mt19937_64 random(29);
  int copied = 0;
  constexpr int kRounds = 200000;
  for (int i = 0; i < kRounds; ++i) {
    std::uint64_t bits = random();
    // Half of them in the exponents where copies are made, 1e-9 to 1e38.
    if (i % 2 == 0)
      bits = (bits & 0x800FFFFFFFFFFFFF) | (static_cast<std::uint64_t>(1023 - 30 + bits % 157) << 52);
    double value = std::bit_cast<double>(bits);
    std::string written = ToChars(value);
    double read = 0.0;
    std::from_chars(written.data(), written.data() + written.size(), read);
    copied += CheckCopy(written, read) + CheckCopy(FormatDouble(read), read);
    CheckAsRead(written);
    CheckAsRead(FormatDouble(read));
    CheckCopy(written, value);
    CheckCopy(written, std::nextafter(read, 0.0));
    CheckCopy(written, -read);

    // Leading digit 1-9 then 1 to 15 random decimals, the rest zeros; half
    // of them with all fifteen.
    std::string token = random() % 2 ? "-" : "";
    token += static_cast<char>('1' + random() % 9);
    token += '.';
    size_t decimals = random() % 2 ? 15 : 1 + random() % 15;
    for (size_t d = 0; d < 15; ++d)
      token += d < decimals ? static_cast<char>('0' + random() % 10) : '0';
    int exponent = static_cast<int>(random() % 50) - 12;
    token += exponent < 0 ? "e-" : "e+";
    token += (std::abs(exponent) < 10 ? "0" : "") + std::to_string(std::abs(exponent));
    std::from_chars(token.data(), token.data() + token.size(), read);
    copied += CheckCopy(token, read);
    CheckAsRead(token);
  }
  // The writer's own numbers are mostly copied, or copying would not pay.
  EXPECT_GT(copied, kRounds);

  // Zero's sign and exponent, a leading zero, 1e23 written one exponent lower, other shapes.
  for (const auto& [token, value] : {std::pair<std::string, double>{"-0.000000000000000e+00", 0.0},
                                     {"0.000000000000000e+05", 0.0},
                                     {"0.500000000000000e+00", 0.5},
                                     {"1.000000000000000e+23", 1e23},
                                     {"+1.000000000000000e+00", 1.0},
                                     {"1.000000000000000e+0001", 10.0}})
    EXPECT_EQ(CheckCopy(token, value), 0) << token;

  // Numbers that run into each other, other forms and the edges of the range.
  CheckAsRead("1.00000000-000000e+01 1.000000000000000e+01.5 1.000000000000000e+01-2.000000000000000e+00 "
              "-0.000000000000000e+00 0.000000000000000e+05 1.000000000000000e+23 1.000000000000000e-01 "
              "9.999999999999999e+22 1.000000000000000e+400 4.940656458412465e-324 2.225073858507201e-308 "
              "1.797693134862316e+308 nan +5 0x1p+3 1.5E+01 0.500000000000000e+00 +.100000000000000e+001 "
              "2.500000000000000e023 \t2.500000000000000e+01");
}
