#include "LineItem.h"

#include "DefaultNames.h"
#include "EntryDrawState.h"
#include "GLPrimitives.h"
#include "RecordCursor.h"
#include "RecordText.h"

#include <GL/gl.h>

bool CLineItem::ReadRecord(CRecordCursor& line, std::string& parentName)
{
  return Read3DColorFields(line, parentName) && m_start.Read(line) && m_end.Read(line) && line.ReadDouble(m_lineWidth);
}

void CLineItem::WriteRecord(CTextBuffer& out, const std::string& parentName)
{
  Write3DColorFields(out, parentName);
  m_start.Write(out);
  m_end.Write(out);
  AppendDoubleField(out, m_lineWidth);
}

void CLineItem::SetInsertDefaults()
{
  m_strName = NextDefaultName(DefaultNameKind::Line);
  m_start = CVector();
  m_end = CVector();
  m_lineWidth = 0.0;
}

void CLineItem::Draw(int)
{
  if (!IsVisible())
    return;
  PushPlacement(m_position, m_rotation);
  glPushAttrib(GL_LIGHTING_BIT | GL_LINE_BIT);
  glDisable(GL_LIGHTING);
  SetEntryLineWidth(m_lineWidth);
  GLBeginColoured(GL_LINES, m_lineColor);
  GLVertex3v(m_start);
  GLVertex3v(m_end);
  glEnd();
  glPopAttrib();
  PopPlacement();
}
