#include "ItemArc2.h"

#include "DefaultNames.h"
#include "DoubleList.h"
#include "EntryDrawState.h"
#include "GLPrimitives.h"
#include "MeshCache.h"

namespace {

constexpr int kSegments = 32;

} // namespace

bool CItemArc2::ReadRecord(CRecordCursor& line, std::string& parentName)
{
  return Read3DColorFields(line, parentName) && HasOwnFields(line) &&
         ReadDoubleList(
             line, {&m_radius, &m_factorX, &m_factorY, &m_offsetZ, &m_slopeX, &m_slopeY, &m_startAngle, &m_endAngle});
}

void CItemArc2::WriteRecord(CTextBuffer& out, const std::string& parentName)
{
  Write3DColorFields(out, parentName);
  AppendDoubleList(out, {m_radius, m_factorX, m_factorY, m_offsetZ, m_slopeX, m_slopeY, m_startAngle, m_endAngle});
}

void CItemArc2::SetInsertDefaults()
{
  m_strName = NextDefaultName(DefaultNameKind::Segment);
  m_radius = 1.0;
  m_factorX = 1.0;
  m_factorY = 1.0;
  m_offsetZ = 0.0;
  m_slopeX = 0.0;
  m_slopeY = 0.0;
  m_startAngle = 0.0;
  m_endAngle = 360.0;
}

void CItemArc2::Draw(int)
{
  if (!IsVisible())
    return;
  PushPlacement(m_position, m_rotation);
  CMeshPlacementScope placed(m_matrix);
  DrawEllipticSegment(m_radius, m_factorX, m_factorY, m_offsetZ, m_slopeX, m_slopeY, m_startAngle * kDegToRad,
                      m_endAngle * kDegToRad, kSegments, m_lineColor, m_fillColor, m_bOutline != 0, m_bFill != 0);
  PopPlacement();
}
