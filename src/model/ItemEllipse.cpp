#include "ItemEllipse.h"

#include "DefaultNames.h"
#include "DoubleList.h"
#include "EntryDrawState.h"
#include "GLPrimitives.h"
#include "MeshCache.h"

namespace {

constexpr int kSegments = 120;

} // namespace

bool CItemEllipse::ReadRecord(CRecordCursor& line, std::string& parentName)
{
  return Read3DColorFields(line, parentName) &&
         ReadDoubleList(line, {&m_innerRadius, &m_outerRadius, &m_factorX, &m_factorY, &m_offsetZ, &m_slopeX, &m_slopeY,
                               &m_startAngle, &m_endAngle});
}

void CItemEllipse::WriteRecord(CTextBuffer& out, const std::string& parentName)
{
  Write3DColorFields(out, parentName);
  AppendDoubleList(out, {m_innerRadius, m_outerRadius, m_factorX, m_factorY, m_offsetZ, m_slopeX, m_slopeY,
                         m_startAngle, m_endAngle});
}

void CItemEllipse::SetInsertDefaults()
{
  m_strName = NextDefaultName(DefaultNameKind::Ellipse);
  m_innerRadius = 0.0;
  m_outerRadius = 1.0;
  m_factorX = 1.0;
  m_factorY = 1.0;
  m_startAngle = 0.0;
  m_endAngle = 360.0;
  m_offsetZ = 0.0;
  m_slopeX = 0.0;
  m_slopeY = 0.0;
}

void CItemEllipse::Draw(int)
{
  if (!IsVisible() || m_startAngle == m_endAngle)
    return;
  PushPlacement(m_position, m_rotation);
  CMeshPlacementScope placed(m_matrix);
  DrawEllipticRing(m_innerRadius, m_outerRadius, m_factorX, m_factorY, m_offsetZ, m_slopeX, m_slopeY,
                   m_startAngle * kDegToRad, m_endAngle * kDegToRad, kSegments, m_lineColor, m_fillColor,
                   m_bOutline != 0, m_bFill != 0);
  PopPlacement();
}
