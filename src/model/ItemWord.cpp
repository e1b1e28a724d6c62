#include "ItemWord.h"

#include "DefaultNames.h"
#include "RecordCursor.h"
#include "RecordText.h"
#include "TextBuffer.h"

namespace {

constexpr size_t kMaxOptionLength = 256;

bool ReadUnsigned16(CRecordCursor& line, uint16_t& value)
{
  int number = 0;
  if (!line.ReadInt(number))
    return false;
  value = static_cast<uint16_t>(number);
  return true;
}

} // namespace

bool CItemWord::ReadWordFields(CRecordCursor& line, std::string& parentName)
{
  return CItemBase::ReadRecord(line, parentName) && HasOwnFields(line) && ReadUnsigned16(line, m_nValue) &&
         ReadUnsigned16(line, m_nLow) && ReadUnsigned16(line, m_nHigh);
}

void CItemWord::WriteWordFields(CTextBuffer& out, const std::string& parentName) const
{
  WriteRecordHead(out, parentName, m_strKeyword);
  AppendIntField(out, m_nValue);
  AppendIntField(out, m_nLow);
  AppendIntField(out, m_nHigh);
}

bool CItemWord::ReadRecord(CRecordCursor& line, std::string& parentName)
{
  return ReadWordFields(line, parentName);
}

void CItemWord::WriteRecord(CTextBuffer& out, const std::string& parentName)
{
  WriteWordFields(out, parentName);
}

void CItemWord::SetInsertDefaults()
{
  m_strName = NextDefaultName(DefaultNameKind::Word);
  m_nValue = 0;
  m_nLow = 0;
  m_nHigh = 5;
}

bool CItemChoice::ReadRecord(CRecordCursor& line, std::string& parentName)
{
  if (!ReadWordFields(line, parentName) || !HasOwnFields(line))
    return false;
  m_options.clear();
  // Options the line does not hold are empty texts; only the words present
  // are stored, so a count from the file never drives an allocation.
  std::string option;
  while (m_options.size() < GetOptionCount() && line.ReadText(option, kMaxOptionLength))
    m_options.push_back(option);
  return true;
}

void CItemChoice::WriteRecord(CTextBuffer& out, const std::string& parentName)
{
  WriteWordFields(out, parentName);
  for (const std::string& option : m_options)
    AppendTextField(out, option);
  for (size_t i = m_options.size(); i < GetOptionCount(); ++i)
    out.Append(' ');
}

size_t CItemChoice::GetOptionCount() const
{
  return m_nHigh == kNone ? 0 : static_cast<size_t>(m_nHigh) + 1;
}

std::string CItemChoice::GetOption(size_t index) const
{
  return index < m_options.size() ? m_options[index] : std::string();
}

void CItemChoice::SetInsertDefaults()
{
  m_strName = NextDefaultName(DefaultNameKind::Choice);
  m_nValue = kNone;
  m_nLow = kNone;
  m_nHigh = kNone;
}
