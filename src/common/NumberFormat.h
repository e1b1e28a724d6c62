#pragma once

#include <charconv>
#include <string>
#include <string_view>

// Longest text FormatDouble produces, without a terminating zero.
constexpr int kMaxFormattedDouble = 32;

// Writes v like printf "%.15e" but always with at least three exponent
// digits ("1.000000000000000e-001"), the form project files carry on every
// platform. Returns the number of characters written to out.
int FormatDouble(double v, char* out);
std::string FormatDouble(double v);

// Parses a double the way scanf "%lf" does from the front of text (leading
// white space, sign, decimal or hexadecimal forms, "nan", "inf", any exponent
// width, out-of-range values as +-HUGE_VAL or 0). Returns the characters
// consumed, 0 when no number could be read.
size_t ParseDouble(std::string_view text, double& value);

// ParseDouble where text starts with the number, its common case inline:
// what from_chars reads of a decimal number; all else goes to ParseDouble.
inline size_t ParseDoubleAtFront(std::string_view text, double& value)
{
  const char* first = text.data();
  const char* last = first + text.size();
  const char* digits = first < last && *first == '-' ? first + 1 : first;
  bool hex = last - digits >= 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X');
  if (digits < last && *digits >= '0' && *digits <= '9' && !hex) {
    double read = 0.0;
    auto [end, error] = std::from_chars(first, last, read);
    if (error == std::errc()) {
      value = read;
      return static_cast<size_t>(end - first);
    }
  }
  return ParseDouble(text, value);
}

// Parses an integer like scanf "%d"; values beyond the int range saturate.
size_t ParseInt(std::string_view text, int& value);

inline bool IsScanfSpace(char c)
{
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
