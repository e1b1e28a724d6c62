#include "RecordCursor.h"

#include "NumberFormat.h"
#include "RecordText.h"

bool CRecordCursor::ReadWord(std::string& word, size_t maxLength)
{
  size_t start = m_pos;
  while (start < m_line.size() && IsScanfSpace(m_line[start]))
    ++start;
  size_t end = start;
  while (end < m_line.size() && !IsScanfSpace(m_line[end]))
    ++end;
  if (end == start)
    return false;
  word.assign(m_line.substr(start, std::min(end - start, maxLength)));
  m_pos = end;
  return true;
}

bool CRecordCursor::ReadText(std::string& text, size_t maxLength)
{
  if (!ReadWord(text, maxLength))
    return false;
  DecodeBlanks(text);
  return true;
}

bool CRecordCursor::ReadInt(int& value)
{
  size_t used = ParseInt(m_line.substr(m_pos), value);
  m_pos += used;
  return used != 0;
}

bool CRecordCursor::ReadDouble(double& value)
{
  size_t used = ParseDouble(m_line.substr(m_pos), value);
  m_pos += used;
  return used != 0;
}

CSharedText CRecordCursor::SharedSince(const char* from) const
{
  if (!m_pOwner || !*m_pOwner)
    return {};
  const char* to = m_line.data() + m_pos;
  return {*m_pOwner, std::string_view(from, static_cast<size_t>(to - from))};
}
