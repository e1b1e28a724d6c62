#include "ItemPointMatrix.h"

#include "DefaultNames.h"
#include "EntryLimits.h"
#include "PointMarker.h"
#include "RecordCursor.h"
#include "RecordText.h"

#include <algorithm>

bool CItemPointMatrix::ReadRecord(CRecordCursor& line, std::string& parentName)
{
  if (!ReadPointFields(line, parentName) || !HasOwnFields(line) || !line.ReadInt(m_nCountX) ||
      !line.ReadInt(m_nCountY) || !line.ReadDouble(m_stepX) || !line.ReadDouble(m_stepY))
    return false;
  if (m_nCountX > kMaxLatticeCount || m_nCountY > kMaxLatticeCount)
    return false;
  GeneratePoints();
  return true;
}

void CItemPointMatrix::WriteRecord(CTextBuffer& out, const std::string& parentName)
{
  WritePointFields(out, parentName);
  AppendIntField(out, m_nCountX);
  AppendIntField(out, m_nCountY);
  AppendDoubleField(out, m_stepX);
  AppendDoubleField(out, m_stepY);
}

void CItemPointMatrix::SetInsertDefaults()
{
  m_strName = NextDefaultName(DefaultNameKind::PointMatrix);
  m_size = 1.0;
  m_nStyle = kPointCross;
  m_nCountX = 2;
  m_nCountY = 2;
  m_stepX = 1.0;
  m_stepY = 1.0;
  GeneratePoints();
}

void CItemPointMatrix::GeneratePoints()
{
  m_points.clear();
  int rows = std::min(m_nCountX, kMaxLatticeCount);
  int columns = std::min(m_nCountY, kMaxLatticeCount);
  if (rows < 1 || columns < 1)
    return;
  m_points.reserve(static_cast<size_t>(rows) * static_cast<size_t>(columns));
  double x = 0.0;
  for (int i = 0; i < rows; ++i) {
    double y = 0.0;
    for (int j = 0; j < columns; ++j) {
      m_points.emplace_back(x, y, 0.0);
      y += m_stepY;
    }
    x += m_stepX;
  }
}
