#include "Item3DColor.h"

#include "RecordCursor.h"
#include "RecordText.h"

bool CItem3DColor::Read3DColorFields(CRecordCursor& line, std::string& parentName)
{
  if (!Read3DFields(line, parentName) || !m_fillColor.Read(line) || !m_lineColor.Read(line))
    return false;
  CRecordCursor flags = line;
  int outline = 0;
  int fill = 0;
  if (flags.ReadInt(outline) && flags.ReadInt(fill)) {
    m_bOutline = outline == 1 ? 1 : 0;
    m_bFill = fill == 1 ? 1 : 0;
    line = flags;
  }
  return true;
}

void CItem3DColor::Write3DColorFields(CTextBuffer& out, const std::string& parentName) const
{
  Write3DFields(out, parentName);
  m_fillColor.Write(out);
  m_lineColor.Write(out);
  AppendIntField(out, m_bOutline ? 1 : 0);
  AppendIntField(out, m_bFill ? 1 : 0);
}
