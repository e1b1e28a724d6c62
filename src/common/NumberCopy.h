#pragma once

#include <cstddef>
#include <cstdint>
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

// Whether FormatDouble writes token for value, apart from the width of the
// exponent, where token is all of the text ParseDouble read value from:
// a cheaper proof than CopyFormattedDouble's, for numbers just read.
bool IsWrittenAsRead(std::string_view token, double value);

// ParseDoubleAtFront, telling also whether IsWrittenAsRead holds for what it
// read. A number in the written form whose value one rounded operation
// gives is read by whole words, several times faster than from_chars.
size_t ParseDoubleNotingCopy(std::string_view text, double& value, bool& writtenAsRead);

// A number of a text that IsWrittenAsRead does not hold for: its place
// among the text's numbers and the end of its characters in the text.
struct CUnprovenNumber {
  std::uint32_t index;
  std::uint32_t end;
};

// Writes the numbers of a text as FormatDouble writes the values they were
// read as, by copying, where IsWrittenAsRead held for them.
class CAsReadCopier {
public:
  explicit CAsReadCopier(std::string_view source) : m_source(source) {}

  // Writes the source's next count numbers to out, each followed by one
  // blank (room for kMaxFormattedDouble + 1 each); returns the end of what
  // was written, null where the source holds no such numbers.
  char* Copy(size_t count, char* out);
  // Passes over a number written otherwise, whose text ends at end.
  void SkipTo(size_t end) { m_pos = end; }

private:
  std::string_view m_source;
  size_t m_pos = 0;
};
