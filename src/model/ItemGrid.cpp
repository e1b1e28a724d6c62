#include "ItemGrid.h"

#include "DefaultNames.h"
#include "EntryDrawState.h"
#include "RecordCursor.h"
#include "RecordText.h"

#include <GL/gl.h>

bool CItemGrid::ReadRecord(CRecordCursor& line, std::string& parentName)
{
  if (!ReadPolygonFields(line, parentName) || !m_majorColor.Read(line) || !m_minorColor.Read(line) ||
      !HasOwnFields(line))
    return false;
  if (!line.ReadInt(m_nDivisions) || !line.ReadDouble(m_minorStep) || !line.ReadDouble(m_majorWidth) ||
      !line.ReadDouble(m_minorWidth) || !line.ReadInt(m_bMajorLines) || !line.ReadInt(m_bMinorLines) ||
      !line.ReadInt(m_bMajorCentred) || !line.ReadInt(m_bMinorCentred))
    return false;
  m_majorStep = m_nDivisions * m_minorStep;
  return true;
}

void CItemGrid::WriteRecord(CTextBuffer& out, const std::string& parentName)
{
  WritePolygonFields(out, parentName);
  m_majorColor.Write(out);
  m_minorColor.Write(out);
  AppendIntField(out, m_nDivisions);
  AppendDoubleField(out, m_minorStep);
  AppendDoubleField(out, m_majorWidth);
  AppendDoubleField(out, m_minorWidth);
  AppendIntField(out, m_bMajorLines);
  AppendIntField(out, m_bMinorLines);
  AppendIntField(out, m_bMajorCentred);
  AppendIntField(out, m_bMinorCentred);
}

void CItemGrid::SetInsertDefaults()
{
  m_strName = NextDefaultName(DefaultNameKind::Grid);
  SetCorners(-5.0, -5.0, 5.0, 5.0);
  m_majorColor = {0.3, 0.3, 0.3};
  m_minorColor = {0.7, 0.7, 0.7};
  m_majorStep = 1.0;
  m_minorStep = 0.2;
  m_majorWidth = 0.0;
  m_minorWidth = 0.0;
  m_nDivisions = 5;
  m_bMajorLines = 1;
  m_bMinorLines = 1;
  m_bMajorCentred = 1;
  m_bMinorCentred = 1;
}

CGridRect CItemGrid::Rect() const
{
  if (m_vertices.size() < 3)
    return {};
  return {m_vertices[0].x, m_vertices[1].x, m_vertices[0].y, m_vertices[2].y};
}

void CItemGrid::DeriveLines()
{
  m_majorStep = m_nDivisions * m_minorStep;
  m_bMajorLines = m_nDivisions != 0;
  m_bMinorLines = m_nDivisions != 1;
  const CGridRect rect = Rect();
  if (m_minorStep < 0.001 * (rect.x2 - rect.x1) || m_minorStep < 0.001 * (rect.y2 - rect.y1))
    m_bMajorLines = m_bMinorLines = 0;
}

std::vector<CLineFamily> CItemGrid::MinorLines() const
{
  return GridLineFamilies(Rect(), {m_minorStep, m_bMinorCentred != 0, false, m_nDivisions});
}

std::vector<CLineFamily> CItemGrid::MajorLines() const
{
  return GridLineFamilies(Rect(), {m_majorStep, m_bMajorCentred != 0, true, 0});
}

void CItemGrid::Draw(int phase)
{
  CItemPolygon::Draw(phase);
  if (!IsVisible() || m_vertices.size() < 3)
    return;
  // Line width and lighting go back on the attribute stack, which also works
  // inside a display list, where querying the state would not.
  SetDepthLayer(DepthLayer::GridLines);
  PushPlacement(m_position, m_rotation);
  glPushAttrib(GL_LIGHTING_BIT | GL_LINE_BIT);
  glDisable(GL_LIGHTING);
  if (m_bMinorLines)
    DrawLines(MinorLines(), m_minorColor, m_minorWidth);
  if (m_bMajorLines)
    DrawLines(MajorLines(), m_majorColor, m_majorWidth);
  glPopAttrib();
  SetDepthLayer(DepthLayer::Default);
  PopPlacement();
}

void CItemGrid::DrawLines(const std::vector<CLineFamily>& runs, const CVector& colour, double width) const
{
  SetEntryLineWidth(width);
  for (const CLineFamily& run : runs)
    DrawLineFamily(run, colour);
}
