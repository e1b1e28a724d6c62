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
  std::string_view numbers = line.Rest();
  size_t pos = 0;
  bool complete = true;
  for (int i = 0; i < count; ++i) {
    CVector v;
    complete = complete && ReadVertex(numbers, pos, 3 * vertices.size(), v);
    vertices.push_back(v);
  }
  line.Skip(pos);
  m_text = line.SharedSince(numbers.data());
  if (complete && !m_text.text.empty())
    m_read = vertices;
  else
    m_unproven.clear();
}

bool CVertexText::ReadVertex(std::string_view numbers, size_t& pos, size_t first, CVector& vertex)
{
  double fields[3];
  size_t at = pos;
  for (size_t i = 0; i < 3; ++i) {
    // Blanks first, as ParseDouble passes over them, to know the token.
    while (at < numbers.size() && IsScanfSpace(numbers[at]))
      ++at;
    bool writtenAsRead = false;
    size_t used = ParseDoubleNotingCopy(numbers.substr(at), fields[i], writtenAsRead);
    if (used == 0)
      return false;
    if (!writtenAsRead)
      m_unproven.push_back({static_cast<std::uint32_t>(first + i), static_cast<std::uint32_t>(at + used)});
    at += used;
  }
  vertex = {fields[0], fields[1], fields[2]};
  pos = at;
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

char* CVertexText::AppendAsRead(const CVectorArray& vertices, char* out) const
{
  auto valueAt = [&vertices](size_t index) {
    const CVector& v = vertices[index / 3];
    return index % 3 == 0 ? v.x : index % 3 == 1 ? v.y : v.z;
  };
  CAsReadCopier copier(m_text.text);
  size_t next = 0;
  for (const CUnprovenNumber& number : m_unproven) {
    if (!(out = copier.Copy(number.index - next, out)))
      return nullptr;
    out += FormatDouble(valueAt(number.index), out);
    *out++ = ' ';
    copier.SkipTo(number.end);
    next = number.index + 1;
  }
  return copier.Copy(3 * vertices.size() - next, out);
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
  if (char* end = HoldsAsRead(vertices) ? AppendAsRead(vertices, room) : nullptr) {
    out.EndAppend(static_cast<int>(end - room));
    return;
  }
  CNumberCopier copier(m_text.text);
  char* end = room;
  for (const CVector& v : vertices)
    for (double value : {v.x, v.y, v.z}) {
      end += copier.Write(value, end);
      *end++ = ' ';
    }
  out.EndAppend(static_cast<int>(end - room));
  if (!copier.MatchedCount())
    Clear();
}
