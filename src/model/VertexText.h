#pragma once

#include "NumberCopy.h"
#include "TextBuffer.h"
#include "Vector.h"

class CRecordCursor;

// The numbers of a list of vertices as read from a shared project text,
// kept to write the list again by copying them where that gives what
// formatting them gives.
class CVertexText {
public:
  // Reads count vertices as CVector::Read does each: one that cannot be
  // read stays (0, 0, 0), and so do all after it.
  void Read(CRecordCursor& line, int count, CVectorArray& vertices);
  void Clear();
  // Writes the vertices as CVector::Write does.
  void Append(CTextBuffer& out, const CVectorArray& vertices);

private:
  // CVector::Read from numbers at pos, noting the numbers of the vertex
  // (the first of them the text's number first) that a copy would not give.
  bool ReadVertex(std::string_view numbers, size_t& pos, size_t first, CVector& vertex);
  bool HoldsAsRead(const CVectorArray& vertices) const;
  // The vertices' numbers, each followed by one blank, copied where they
  // are as read; null should the text not hold them.
  char* AppendAsRead(const CVectorArray& vertices, char* out) const;

  CSharedText m_text;
  // The vertices as read from all of m_text, and the numbers among them
  // that a copy does not give: while the vertices are unchanged, the rest
  // are copied without further proof.
  CVectorArray m_read;
  std::vector<CUnprovenNumber> m_unproven;
};
