#include "ItemEllipsoid.h"

#include "DefaultNames.h"
#include "DoubleList.h"
#include "EntryDrawState.h"
#include "GLPrimitives.h"
#include "Intersect.h"
#include "MeshCache.h"

#include <cmath>

namespace {

constexpr int kSteps = 32;
constexpr double kSurfaceTolerance = 1e-8;
constexpr double kPoleTolerance = 1e-8;

} // namespace

bool CItemEllipsoid::ReadRecord(CRecordCursor& line, std::string& parentName)
{
  return Read3DColorFields(line, parentName) && HasOwnFields(line) &&
         ReadDoubleList(
             line, {&m_radius, &m_factorX, &m_factorY, &m_factorZ, &m_phiStart, &m_phiEnd, &m_thetaStart, &m_thetaEnd});
}

void CItemEllipsoid::WriteRecord(CTextBuffer& out, const std::string& parentName)
{
  Write3DColorFields(out, parentName);
  AppendDoubleList(out, {m_radius, m_factorX, m_factorY, m_factorZ, m_phiStart, m_phiEnd, m_thetaStart, m_thetaEnd});
}

void CItemEllipsoid::SetInsertDefaults()
{
  m_strName = NextDefaultName(DefaultNameKind::Ellipsoid);
  m_phiStart = 0.0;
  m_phiEnd = 360.0;
  m_thetaStart = 0.0;
  m_thetaEnd = 180.0;
  m_radius = 1.0;
  m_factorX = 1.0;
  m_factorY = 1.0;
  m_factorZ = 1.0;
}

bool CItemEllipsoid::IsInWindow(const CVector& local) const
{
  double x = local.x / m_factorX;
  double y = local.y / m_factorY;
  double z = local.z / m_factorZ;
  double d = std::sqrt(x * x + y * y + z * z);
  // Written so that non-numbers fail.
  if (!(std::fabs(d / m_radius - 1.0) <= kSurfaceTolerance))
    return false;
  if (std::fabs(x) <= kPoleTolerance && std::fabs(y) <= kPoleTolerance) {
    if ((m_thetaStart == 0.0 && z > 0.0) || (m_thetaEnd == 180.0 && z < 0.0))
      return true;
  }
  double phi = std::atan2(y, x) * kRadToDeg;
  if (phi < 0.0)
    phi += 360.0;
  double theta = std::acos(z / d) * kRadToDeg;
  bool inAzimuth =
      m_phiEnd <= m_phiStart ? (phi >= m_phiStart || phi <= m_phiEnd) : (m_phiStart <= phi && phi <= m_phiEnd);
  return inAzimuth && m_thetaStart <= theta && theta <= m_thetaEnd;
}

int CItemEllipsoid::Intersect(const CVector& a, const CVector& b, CVectorArray& hits, int mode) const
{
  CVectorArray local;
  IntersectLineEllipsoid(TransformPoint(m_inverse, a), TransformPoint(m_inverse, b), CVector(), m_radius, m_factorX,
                         m_factorY, m_factorZ, local, mode);
  int count = 0;
  for (const CVector& p : local) {
    if (IsInWindow(p)) {
      hits.push_back(TransformPoint(m_matrix, p));
      ++count;
    }
  }
  return count;
}

void CItemEllipsoid::Draw(int)
{
  if (!IsVisible())
    return;
  PushPlacement(m_position, m_rotation);
  CMeshPlacementScope placed(m_matrix);
  DrawEllipsoidPatch(m_radius, m_factorX, m_factorY, m_factorZ, m_phiStart * kDegToRad, m_phiEnd * kDegToRad,
                     m_thetaStart * kDegToRad, m_thetaEnd * kDegToRad, kSteps, kSteps, m_lineColor, m_fillColor,
                     m_bOutline != 0, m_bFill != 0);
  PopPlacement();
}
