#include "ItemCone.h"

#include "DefaultNames.h"
#include "DoubleList.h"
#include "EntryDrawState.h"
#include "GLPrimitives.h"
#include "Intersect.h"
#include "MeshCache.h"
#include "TurnAngles.h"

#include <cmath>

namespace {

constexpr int kSegments = 120;

bool IsUsableFactor(double f)
{
  return std::isfinite(f) && f != 0.0;
}

} // namespace

bool CItemCone::ReadRecord(CRecordCursor& line, std::string& parentName)
{
  return Read3DColorFields(line, parentName) && HasOwnFields(line) &&
         ReadDoubleList(line, {&m_radius1, &m_z1, &m_slopeX1, &m_slopeY1, &m_radius2, &m_z2, &m_slopeX2, &m_slopeY2,
                               &m_factorX, &m_factorY, &m_startAngle, &m_endAngle});
}

void CItemCone::WriteRecord(CTextBuffer& out, const std::string& parentName)
{
  Write3DColorFields(out, parentName);
  AppendDoubleList(out, {m_radius1, m_z1, m_slopeX1, m_slopeY1, m_radius2, m_z2, m_slopeX2, m_slopeY2, m_factorX,
                         m_factorY, m_startAngle, m_endAngle});
}

void CItemCone::SetInsertDefaults()
{
  m_strName = NextDefaultName(DefaultNameKind::Cone);
  m_slopeX1 = 0.0;
  m_slopeY1 = 0.0;
  m_slopeX2 = 0.0;
  m_slopeY2 = 0.0;
  m_z1 = 1.0;
  m_radius1 = 1.0;
  m_z2 = -1.0;
  m_radius2 = 1.0;
  m_startAngle = 0.0;
  m_endAngle = 360.0;
  m_factorX = 1.0;
  m_factorY = 1.0;
}

bool CItemCone::IsWithinLimits(const CVector& local) const
{
  double phi = std::atan2(local.y / m_factorY, local.x / m_factorX);
  if (phi < 0.0)
    phi += kFullTurn;
  double s = m_startAngle * kDegToRad;
  double e = m_endAngle * kDegToRad;
  bool inAzimuth = m_startAngle >= m_endAngle ? (phi >= s || phi <= e) : (s <= phi && phi <= e);
  return inAzimuth && m_slopeX1 * local.x + m_slopeY1 * local.y + m_z1 <= local.z &&
         local.z <= m_slopeX2 * local.x + m_slopeY2 * local.y + m_z2;
}

int CItemCone::Intersect(const CVector& a, const CVector& b, CVectorArray& hits, int mode) const
{
  // Squeezing x and y by the factors turns the stretched cone into the
  // circular one; the line parameters of the hits stay the same.
  bool stretched = IsUsableFactor(m_factorX) && IsUsableFactor(m_factorY);
  double sx = stretched ? m_factorX : 1.0;
  double sy = stretched ? m_factorY : 1.0;
  CVector la = TransformPoint(m_inverse, a);
  CVector lb = TransformPoint(m_inverse, b);
  CVectorArray circular;
  IntersectLineCone({la.x / sx, la.y / sy, la.z}, {lb.x / sx, lb.y / sy, lb.z}, m_radius1, m_radius2, m_z1, m_z2,
                    circular, mode);
  int count = 0;
  for (const CVector& p : circular) {
    CVector local{p.x * sx, p.y * sy, p.z};
    if (IsWithinLimits(local)) {
      hits.push_back(TransformPoint(m_matrix, local));
      ++count;
    }
  }
  return count;
}

void CItemCone::Draw(int)
{
  if (!IsVisible())
    return;
  PushPlacement(m_position, m_rotation);
  CMeshPlacementScope placed(m_matrix);
  DrawConeSurface(m_radius1, m_slopeX1, m_slopeY1, m_z1, m_radius2, m_slopeX2, m_slopeY2, m_z2, m_factorX, m_factorY,
                  m_startAngle * kDegToRad, m_endAngle * kDegToRad, kSegments, m_fillColor);
  PopPlacement();
}
