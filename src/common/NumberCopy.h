#pragma once

#include <cstddef>
#include <string_view>

// Writes what FormatDouble writes for value by copying the number's text as
// it was read, where that is shown to give the same characters: the text at
// the front of token is a number in to_chars' scientific form with fifteen
// decimals ("-1.234000000000000e+01", exponent of two or three digits), it
// reads back as value exactly, and value written again gives those digits.
// Returns the count written to out (room for kMaxFormattedDouble) and the
// count taken from token in used; 0 where that cannot be shown cheaply, and
// the caller formats value itself.
int CopyFormattedDouble(std::string_view token, double value, size_t& used, char* out);

// Writes a list of numbers as FormatDouble does, copying them from the text
// they were read from (see CopyFormattedDouble) where that gives the same.
class CNumberCopier {
public:
  explicit CNumberCopier(std::string_view source) : m_source(source) {}

  // Writes value to out (room for kMaxFormattedDouble) and moves on to the
  // source's next number; returns the count written.
  int Write(double value, char* out);
  // FALSE when the source had fewer or more numbers than were written: it
  // no longer is the text of these values.
  bool MatchedCount() const;

private:
  std::string_view m_source;
  size_t m_pos = 0;
  bool m_bRanOut = false;
};
