#pragma once

#include "TextBuffer.h"

#include <algorithm>
#include <string>
#include <string_view>

// Reads the fields of one record line from the front, as the scanf formats
// of the project text do ("%s", "%d", "%lf", "%[^\n\r]"), without copying
// the line: reading a record stays linear in the length of its line.
class CRecordCursor {
public:
  explicit CRecordCursor(std::string_view line) : m_line(line) {}
  // A line of a shared text (the owner outlives the cursor), whose parts
  // SharedSince hands out.
  CRecordCursor(std::string_view line, const std::shared_ptr<const char[]>* owner) : m_line(line), m_pOwner(owner) {}

  // "%s": skips white space and reads one word. A word longer than maxLength
  // is consumed whole and cut to maxLength characters.
  bool ReadWord(std::string& word, size_t maxLength);
  // Like ReadWord, with every "_" turned back into a blank.
  bool ReadText(std::string& text, size_t maxLength);
  bool ReadInt(int& value);
  bool ReadDouble(double& value);
  // Passes over count characters of Rest(), read by other means.
  void Skip(size_t count) { m_pos += std::min(count, m_line.size() - m_pos); }

  // True when "%[^\n\r]" would match: at least one character is left.
  bool HasRest() const { return m_pos < m_line.size(); }
  std::string_view Rest() const { return m_line.substr(m_pos); }
  // The text read since from, a position of Rest(), with a share of the
  // whole text; empty when the line is of no shared text.
  CSharedText SharedSince(const char* from) const;

private:
  std::string_view m_line;
  size_t m_pos = 0;
  const std::shared_ptr<const char[]>* m_pOwner = nullptr;
};
