#include "NumberFormat.h"

#include <charconv>
#include <climits>
#include <cstdlib>
#include <cstring>

int FormatDouble(double v, char* out)
{
  auto [end, ec] = std::to_chars(out, out + kMaxFormattedDouble, v, std::chars_format::scientific, 15);
  if (ec != std::errc())
    return 0;
  int n = static_cast<int>(end - out);
  // The exponent sign stands at most four characters from the end; inf and
  // nan have none.
  int sign = n - 3;
  while (sign > n - 5 && sign > 0 && out[sign - 1] != 'e')
    --sign;
  if (sign <= 0 || out[sign - 1] != 'e')
    return n;
  int digits = n - sign - 1;
  if (digits >= 3)
    return n;
  int pad = 3 - digits;
  std::memmove(out + sign + 1 + pad, out + sign + 1, static_cast<size_t>(digits));
  std::memset(out + sign + 1, '0', static_cast<size_t>(pad));
  return n + pad;
}

std::string FormatDouble(double v)
{
  char buf[kMaxFormattedDouble];
  return std::string(buf, static_cast<size_t>(FormatDouble(v, buf)));
}

namespace {

bool IsDigit(char c)
{
  return c >= '0' && c <= '9';
}

// strtod on a zero-terminated copy of the candidate token: the slow path for
// the forms from_chars does not take (leading "+", hex, out of range).
size_t ParseDoubleSlow(std::string_view text, size_t start, double& value)
{
  size_t end = start;
  while (end < text.size() && !IsScanfSpace(text[end]) && text[end] != 0)
    ++end;
  std::string token(text.substr(start, end - start));
  char* stop = nullptr;
  double v = std::strtod(token.c_str(), &stop);
  size_t used = static_cast<size_t>(stop - token.c_str());
  if (used == 0)
    return 0;
  value = v;
  return start + used;
}

} // namespace

size_t ParseDouble(std::string_view text, double& value)
{
  size_t i = 0;
  while (i < text.size() && IsScanfSpace(text[i]))
    ++i;
  if (i >= text.size())
    return 0;
  const char* first = text.data() + i;
  const char* last = text.data() + text.size();
  bool plainStart = *first == '-' || IsDigit(*first) || *first == '.';
  if (plainStart) {
    const char* digits = *first == '-' ? first + 1 : first;
    bool hex = last - digits >= 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X');
    if (!hex) {
      double v = 0;
      auto [ptr, ec] = std::from_chars(first, last, v);
      if (ec == std::errc()) {
        value = v;
        return static_cast<size_t>(ptr - text.data());
      }
    }
  }
  return ParseDoubleSlow(text, i, value);
}

size_t ParseInt(std::string_view text, int& value)
{
  size_t i = 0;
  while (i < text.size() && IsScanfSpace(text[i]))
    ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  size_t digitsStart = i;
  long long v = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i)
    if (v <= static_cast<long long>(INT_MAX) + 1)
      v = v * 10 + (text[i] - '0');
  if (i == digitsStart)
    return 0;
  if (negative)
    v = -v;
  value = static_cast<int>(v < INT_MIN ? INT_MIN : v > INT_MAX ? INT_MAX : v);
  return i;
}
