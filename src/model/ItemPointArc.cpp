#include "ItemPointArc.h"

#include "DefaultNames.h"
#include "EntryLimits.h"
#include "PointMarker.h"
#include "RecordCursor.h"
#include "RecordText.h"
#include "TurnAngles.h"

#include <algorithm>

bool CItemPointArc::ReadRecord(CRecordCursor& line, std::string& parentName)
{
  if (!ReadPointFields(line, parentName) || !HasOwnFields(line) || !line.ReadInt(m_nCount) ||
      !line.ReadDouble(m_radius) || !line.ReadDouble(m_factorX) || !line.ReadDouble(m_factorY) ||
      !line.ReadDouble(m_startAngle) || !line.ReadDouble(m_endAngle))
    return false;
  if (m_nCount > kMaxArcPointCount)
    return false;
  GeneratePoints();
  return true;
}

void CItemPointArc::WriteRecord(CTextBuffer& out, const std::string& parentName)
{
  WritePointFields(out, parentName);
  AppendIntField(out, m_nCount);
  AppendDoubleField(out, m_radius);
  AppendDoubleField(out, m_factorX);
  AppendDoubleField(out, m_factorY);
  AppendDoubleField(out, m_startAngle);
  AppendDoubleField(out, m_endAngle);
}

void CItemPointArc::SetInsertDefaults()
{
  m_strName = NextDefaultName(DefaultNameKind::PointArc);
  m_size = 0.05;
  m_nStyle = kPointCube;
  m_nCount = 2;
  m_radius = 1.0;
  m_factorX = 1.0;
  m_factorY = 1.0;
  m_startAngle = 0.0;
  m_endAngle = 360.0;
  GeneratePoints();
}

void CItemPointArc::GeneratePoints()
{
  m_points.clear();
  double a = m_startAngle * kDegToRad;
  double e = RaiseToStart(a, m_endAngle * kDegToRad);
  double span = e - a;
  // A full turn would repeat its first point at the end.
  double n = m_nCount;
  double step = span == kFullTurn ? span / n : span / (n - 1.0);
  int count = m_startAngle == m_endAngle ? 1 : std::min(m_nCount, kMaxArcPointCount);
  double rx = m_radius * m_factorX;
  double ry = m_radius * m_factorY;
  double t = a;
  for (int i = 0; i < count; ++i) {
    m_points.push_back(EllipsePoint(rx, ry, t));
    t += step;
  }
}
