#include "VertexText.h"

#include "NumberFormat.h"
#include "RecordCursor.h"

#include <algorithm>
#include <cstring>

void CVertexText::Read(CRecordCursor& line, int count, CVectorArray& vertices)
{
  Clear();
  vertices.clear();
  vertices.reserve(static_cast<size_t>(std::max(count, 0)));
  const char* numbers = line.Rest().data();
  bool complete = true;
  for (int i = 0; i < count; ++i) {
    CVector v;
    complete = complete && ReadVertex(line, 3 * vertices.size(), numbers, v);
    vertices.push_back(v);
  }
  m_text = line.SharedSince(numbers);
  if (complete && !m_text.text.empty())
    m_read = vertices;
  else
    m_unproven.clear();
}

bool CVertexText::ReadVertex(CRecordCursor& line, size_t first, const char* numbers, CVector& vertex)
{
  CRecordCursor cursor = line;
  CVector read;
  double* fields[] = {&read.x, &read.y, &read.z};
  for (size_t i = 0; i < 3; ++i) {
    std::string_view token;
    if (!cursor.ReadDouble(*fields[i], token))
      return false;
    if (!IsWrittenAsRead(token, *fields[i]))
      m_unproven.push_back(
          {static_cast<std::uint32_t>(first + i), static_cast<std::uint32_t>(token.data() + token.size() - numbers)});
  }
  vertex = read;
  line = cursor;
  return true;
}

void CVertexText::Clear()
{
  m_text = {};
  m_read.clear();
  m_unproven.clear();
}

bool CVertexText::HoldsAsRead(const CVectorArray& vertices) const
{
  // Bits compared, so that -0 and 0 stay apart.
  static_assert(sizeof(CVector) == 3 * sizeof(double));
  return !m_read.empty() && m_read.size() == vertices.size() &&
         std::memcmp(m_read.data(), vertices.data(), vertices.size() * sizeof(CVector)) == 0;
}

void CVertexText::Append(CTextBuffer& out, const CVectorArray& vertices)
{
  constexpr size_t kFieldRoom = 3 * (kMaxFormattedDouble + 1);
  char* room = m_text.text.empty() || vertices.size() > CTextBuffer::kMaxLength / kFieldRoom
                   ? nullptr
                   : out.BeginAppend(static_cast<int>(vertices.size() * kFieldRoom));
  if (!room) {
    for (const CVector& v : vertices)
      v.Write(out);
    return;
  }
  auto writeAll = [&](auto& copier) {
    char* end = room;
    for (const CVector& v : vertices)
      for (double value : {v.x, v.y, v.z}) {
        end += copier.Write(value, end);
        *end++ = ' ';
      }
    out.EndAppend(static_cast<int>(end - room));
  };
  if (HoldsAsRead(vertices)) {
    CAsReadCopier copier(m_text.text, m_unproven);
    writeAll(copier);
    return;
  }
  CNumberCopier copier(m_text.text);
  writeAll(copier);
  if (!copier.MatchedCount())
    Clear();
}
