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
// characters is no digit. This and the token's other readers are inlined by
// force: a project is mostly such numbers, and calls kept out of line cost
// a sixth of reading one.
[[gnu::always_inline]] inline bool ReadEightDigits(const char* text, std::uint64_t& value)
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

// The sixteen digits of a mantissa "d.ddddddddddddddd" as one number; FALSE
// when one of them is no digit.
[[gnu::always_inline]] inline bool ReadSixteenDigits(const char* mantissa, std::uint64_t& digits)
{
  // The first eight decimals and the last eight, which overlap in one.
  std::uint64_t first = 0;
  std::uint64_t last = 0;
  if (!IsDigit(mantissa[0]) || !ReadEightDigits(mantissa + 2, first) || !ReadEightDigits(mantissa + kDigits - 7, last))
    return false;
  digits = static_cast<std::uint64_t>(mantissa[0] - '0') * 1000000000000000 + first / 10 * 100000000 + last;
  return true;
}

// What FormatDouble writes for the number of the mantissa's digits and the
// exponent.
int WriteCopy(bool negative, const char* mantissa, int exponent, char* out)
{
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
  return static_cast<int>(o - out);
}

size_t SkipBlanks(std::string_view text, size_t pos)
{
  while (pos < text.size() && IsScanfSpace(text[pos]))
    ++pos;
  return pos;
}

// A number in to_chars' scientific form with fifteen decimals at the front
// of a text: [-]d.ddddddddddddddde(+|-)dd[d].
struct CScientificToken {
  bool negative = false;
  const char* mantissa = nullptr;
  int exponent = 0;
  size_t length = 0;
};

// FALSE when the text does not start with such a number; the mantissa's
// digits are left to ReadSixteenDigits.
[[gnu::always_inline]] inline bool SplitScientific(std::string_view text, CScientificToken& token)
{
  const char* p = text.data();
  const char* end = p + text.size();
  token.negative = p < end && *p == '-';
  p += token.negative ? 1 : 0;
  token.mantissa = p;
  if (end - p < kDigits + 5 || p[1] != '.' || p[kDigits + 1] != 'e')
    return false;
  p += kDigits + 2;
  char sign = *p++;
  // Two digits as to_chars writes them, or three as FormatDouble does.
  if ((sign != '+' && sign != '-') || !IsDigit(p[0]) || !IsDigit(p[1]))
    return false;
  int exponent = (p[0] - '0') * 10 + (p[1] - '0');
  p += 2;
  if (p < end && IsDigit(*p)) {
    exponent = exponent * 10 + (*p++ - '0');
    if (p < end && IsDigit(*p))
      return false;
  }
  token.exponent = sign == '-' ? -exponent : exponent;
  token.length = static_cast<size_t>(p - text.data());
  return true;
}

// Sixteen digits that are a double exactly.
bool IsExactDouble(std::uint64_t digits)
{
  return digits < kMaxOddDigits || digits % 2 == 0;
}

bool IsMantissa(const char* mantissa, const char* expected)
{
  return std::memcmp(mantissa, expected, kDigits + 1) == 0;
}

// Whether FormatDouble writes the token's digits for value, the double
// nearest to them, as ParseDouble reads it. It does when value lies less
// than half a step of the last digit from them, which is certain where the
// step is wider than the gap between value and its neighbours: value is
// less than half that gap from them. Only where it is not are the digits
// read for the exact test.
bool WritesDigitsOfRead(const CScientificToken& token, double value)
{
  if (value == 0.0)
    return token.exponent == 0 && IsMantissa(token.mantissa, "0.000000000000000");
  if (token.mantissa[0] < '1' || token.mantissa[0] > '9')
    return false;
  // Below the smallest normal double the gap shrinks; beyond the largest
  // the number did not read as such.
  int biased = static_cast<int>((std::bit_cast<std::uint64_t>(value) >> 52) & 0x7FF);
  if (biased == 0 || biased == 0x7FF)
    return false;
  // Just below a power of ten the exponent written is one lower.
  if (IsMantissa(token.mantissa, "1.000000000000000"))
    return token.exponent >= 0 && token.exponent <= kMaxExactPower;
  int power = token.exponent - (kDigits - 1);
  // The gap is 2^(biased - 1075), the step 10^power. Their logarithms lie
  // at least 0.001 apart for every exponent a double has (and are equal
  // only at 0), far more than the product's rounding error.
  constexpr double kLog2Ten = 3.3219280948873623;
  if (static_cast<double>(biased - 1075) < power * kLog2Ten)
    return true;
  std::uint64_t digits = 0;
  return power >= -kMaxExactPower && power <= kMaxExactPower && ReadSixteenDigits(token.mantissa, digits) &&
         IsExactDouble(digits) && WritesBackAs(digits, power, token.exponent, value);
}

// The double nearest to the token's digits, where one rounded product or
// quotient of exact doubles gives it, as from_chars reads it; the digits too.
[[gnu::always_inline]] inline bool ReadExactly(const CScientificToken& token, std::uint64_t& digits, double& value)
{
  if (!ReadSixteenDigits(token.mantissa, digits))
    return false;
  int power = token.exponent - (kDigits - 1);
  if (!IsExactDouble(digits) || power < -kMaxExactPower || power > kMaxExactPower)
    return false;
  double magnitude = static_cast<double>(digits);
  magnitude = power >= 0 ? magnitude * kPowersOfTen[static_cast<size_t>(power)]
                         : magnitude / kPowersOfTen[static_cast<size_t>(-power)];
  value = token.negative ? -magnitude : magnitude;
  return true;
}

// Whether FormatDouble writes the token's digits for value, the double they
// read as exactly.
bool WritesTokenBack(const CScientificToken& token, std::uint64_t digits, double value)
{
  // A leading zero is written only for zero itself, with exponent 0.
  if (token.mantissa[0] == '0' && (digits != 0 || token.exponent != 0))
    return false;
  return WritesBackAs(digits, token.exponent - (kDigits - 1), token.exponent, value);
}

} // namespace

int CopyFormattedDouble(std::string_view token, double value, size_t& used, char* out)
{
  CScientificToken number;
  std::uint64_t digits = 0;
  double read = 0.0;
  // Bits compared, so that -0 and 0 stay apart.
  if (!SplitScientific(token, number) || !ReadExactly(number, digits, read) ||
      std::bit_cast<std::uint64_t>(read) != std::bit_cast<std::uint64_t>(value) ||
      !WritesTokenBack(number, digits, value))
    return 0;
  used = number.length;
  return WriteCopy(number.negative, number.mantissa, number.exponent, out);
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

bool IsWrittenAsRead(std::string_view token, double value)
{
  CScientificToken number;
  number.negative = !token.empty() && token[0] == '-';
  number.mantissa = token.data() + (number.negative ? 1 : 0);
  // As all of the token was read, what lies between these characters are
  // digits: d.ddddddddddddddde, a sign and two or three digits.
  size_t length = token.size() - (number.negative ? 1 : 0);
  if ((length != kDigits + 5 && length != kDigits + 6) || number.mantissa[1] != '.' ||
      number.mantissa[kDigits + 1] != 'e')
    return false;
  char sign = number.mantissa[kDigits + 2];
  const char* digits = number.mantissa + kDigits + 3;
  int exponent = (digits[0] - '0') * 10 + (digits[1] - '0');
  if (length == kDigits + 6)
    exponent = exponent * 10 + (digits[2] - '0');
  if (sign != '+' && sign != '-')
    return false;
  number.exponent = sign == '-' ? -exponent : exponent;
  return WritesDigitsOfRead(number, value);
}

size_t ParseDoubleNotingCopy(std::string_view text, double& value, bool& writtenAsRead)
{
  CScientificToken number;
  std::uint64_t digits = 0;
  if (SplitScientific(text, number) && ReadExactly(number, digits, value)) {
    writtenAsRead = WritesTokenBack(number, digits, value);
    return number.length;
  }
  size_t used = ParseDoubleAtFront(text, value);
  writtenAsRead = used != 0 && IsWrittenAsRead(text.substr(0, used), value);
  return used;
}

char* CAsReadCopier::Copy(size_t count, char* out)
{
  const char* p = m_source.data() + m_pos;
  const char* end = m_source.data() + m_source.size();
  for (; count > 0; --count) {
    while (p < end && IsScanfSpace(*p))
      ++p;
    // d.ddddddddddddddde, a sign and two or three digits.
    bool negative = p < end && *p == '-';
    if (end - p < kDigits + 5 + (negative ? 1 : 0))
      return nullptr;
    if (negative)
      *out++ = *p++;
    std::memcpy(out, p, kDigits + 3);
    out += kDigits + 3;
    p += kDigits + 3;
    bool threeDigits = end - p > 2 && IsDigit(p[2]);
    out[0] = threeDigits ? p[0] : '0';
    out[1] = p[threeDigits ? 1 : 0];
    out[2] = p[threeDigits ? 2 : 1];
    out[3] = ' ';
    out += 4;
    p += threeDigits ? 3 : 2;
  }
  m_pos = static_cast<size_t>(p - m_source.data());
  return out;
}
