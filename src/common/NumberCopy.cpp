#include "NumberCopy.h"

#include "NumberFormat.h"

#include <array>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>

// The exact products and quotients below hold only where double arithmetic
// rounds each operation once, to nearest.
static_assert(FLT_EVAL_METHOD == 0);

namespace {

constexpr int kDigits = 16;
// Sixteen digits are a double exactly below 2^53, and up to 2^54 (which
// they never reach) when even.
constexpr std::uint64_t kMaxOddDigits = std::uint64_t(1) << 53;
// The powers of ten that are doubles exactly.
constexpr int kMaxExactPower = 22;

constexpr std::array<double, kMaxExactPower + 1> kPowersOfTen = [] {
  std::array<double, kMaxExactPower + 1> powers{};
  double power = 1.0;
  for (double& p : powers) {
    p = power;
    power *= 10.0;
  }
  return powers;
}();

// Eight digits as one number, by whole words; FALSE when one of the
// characters is no digit.
bool ReadEightDigits(const char* text, std::uint64_t& value)
{
  static_assert(std::endian::native == std::endian::little, "the first character is the lowest byte");
  std::uint64_t word = 0;
  std::memcpy(&word, text, sizeof word);
  // A digit is 0x30 to 0x39: its high half is 3, and still 3 after adding 6.
  constexpr std::uint64_t kHighHalves = 0xF0F0F0F0F0F0F0F0;
  if (((word & kHighHalves) | (((word + 0x0606060606060606) & kHighHalves) >> 4)) != 0x3333333333333333)
    return false;
  word -= 0x3030303030303030;
  // Pairs of digits in every other byte, then the four pairs at once.
  word = word * 10 + (word >> 8);
  word = ((word & 0x000000FF000000FF) * (100 + (1000000ULL << 32)) +
          ((word >> 16) & 0x000000FF000000FF) * (1 + (10000ULL << 32))) >>
         32;
  value = word;
  return true;
}

bool IsDigit(char c)
{
  return c >= '0' && c <= '9';
}

// Whether to_chars gives the sixteen digits of digits * 10^power back for
// value, the double nearest to them: it does when value lies less than half
// a step of the last digit, 10^power, from them. The difference is exact in
// one fused operation, as the error of a rounded product or quotient always
// is a double. A number of digits that is exactly a power of ten reads as a
// double on either side of it, and one just below is written with the
// exponent one lower; only 10^0 to 10^22 are exact.
bool WritesBackAs(std::uint64_t digits, int power, int exponent, double value)
{
  if (digits == 1000000000000000 && (exponent < 0 || exponent > kMaxExactPower))
    return false;
  double wanted = static_cast<double>(digits);
  double magnitude = std::fabs(value);
  if (power >= 0) {
    double step = kPowersOfTen[static_cast<size_t>(power)];
    return std::fabs(std::fma(wanted, step, -magnitude)) < step / 2;
  }
  return std::fabs(std::fma(magnitude, kPowersOfTen[static_cast<size_t>(-power)], -wanted)) < 0.5;
}

size_t SkipBlanks(std::string_view text, size_t pos)
{
  while (pos < text.size() && IsScanfSpace(text[pos]))
    ++pos;
  return pos;
}

} // namespace

int CopyFormattedDouble(std::string_view token, double value, size_t& used, char* out)
{
  const char* p = token.data();
  const char* end = p + token.size();
  bool negative = p < end && *p == '-';
  p += negative ? 1 : 0;
  const char* mantissa = p;
  // d.ddddddddddddddd, then 'e', a sign and two or three digits.
  if (end - p < kDigits + 5 || !IsDigit(p[0]) || p[1] != '.' || p[kDigits + 1] != 'e')
    return 0;
  // The first eight decimals and the last eight, which overlap in one.
  std::uint64_t first = 0;
  std::uint64_t last = 0;
  if (!ReadEightDigits(p + 2, first) || !ReadEightDigits(p + kDigits - 7, last))
    return 0;
  std::uint64_t digits = static_cast<std::uint64_t>(p[0] - '0') * 1000000000000000 + first / 10 * 100000000 + last;
  p += kDigits + 2;
  char sign = *p++;
  if (sign != '+' && sign != '-')
    return 0;
  // Two digits as to_chars writes them, or three as FormatDouble does.
  if (end - p < 2 || !IsDigit(p[0]) || !IsDigit(p[1]))
    return 0;
  int exponent = (p[0] - '0') * 10 + (p[1] - '0');
  p += 2;
  if (p < end && IsDigit(*p)) {
    exponent = exponent * 10 + (*p++ - '0');
    if (p < end && IsDigit(*p))
      return 0;
  }
  exponent = sign == '-' ? -exponent : exponent;
  // A leading zero is written only for zero itself, with exponent 0.
  if (mantissa[0] == '0' && (digits != 0 || exponent != 0))
    return 0;
  int power = exponent - (kDigits - 1);
  if ((digits >= kMaxOddDigits && digits % 2 != 0) || power < -kMaxExactPower || power > kMaxExactPower)
    return 0;
  double magnitude = static_cast<double>(digits);
  magnitude = power >= 0 ? magnitude * kPowersOfTen[static_cast<size_t>(power)]
                         : magnitude / kPowersOfTen[static_cast<size_t>(-power)];
  // Bits compared, so that -0 and 0 stay apart.
  if (std::bit_cast<std::uint64_t>(negative ? -magnitude : magnitude) != std::bit_cast<std::uint64_t>(value) ||
      !WritesBackAs(digits, power, exponent, value))
    return 0;
  char* o = out;
  if (negative)
    *o++ = '-';
  std::memcpy(o, mantissa, kDigits + 2);
  o += kDigits + 2;
  *o++ = exponent < 0 ? '-' : '+';
  int size = exponent < 0 ? -exponent : exponent;
  *o++ = static_cast<char>('0' + size / 100);
  *o++ = static_cast<char>('0' + size / 10 % 10);
  *o++ = static_cast<char>('0' + size % 10);
  used = static_cast<size_t>(p - token.data());
  return static_cast<int>(o - out);
}

int CNumberCopier::Write(double value, char* out)
{
  m_pos = SkipBlanks(m_source, m_pos);
  m_bRanOut = m_bRanOut || m_pos == m_source.size();
  size_t used = 0;
  if (int n = CopyFormattedDouble(m_source.substr(m_pos), value, used, out)) {
    m_pos += used;
    return n;
  }
  while (m_pos < m_source.size() && !IsScanfSpace(m_source[m_pos]))
    ++m_pos;
  return FormatDouble(value, out);
}

bool CNumberCopier::MatchedCount() const
{
  return !m_bRanOut && SkipBlanks(m_source, m_pos) == m_source.size();
}
