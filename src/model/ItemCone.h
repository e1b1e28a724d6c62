#pragma once

#include "ItemSurface.h"

// A cone or cylinder about the local z axis: radius m_radius1 at level m_z1,
// m_radius2 at m_z2, its cross-section stretched by m_factorX and m_factorY,
// cut by the planes z = slopeX1 x + slopeY1 y + z1 and
// z = slopeX2 x + slopeY2 y + z2, within an azimuth window (degrees).
class CItemCone : public CItem3DSurface {
public:
  CItemCone() : CItem3DSurface("cone") {}

  bool ReadRecord(CRecordCursor& line, std::string& parentName) override;
  void WriteRecord(CTextBuffer& out, const std::string& parentName) override;
  void SetInsertDefaults() override;
  void Draw(int phase) override;
  // Meets the stretched surface that is drawn; with a factor of 0 or one
  // that is not finite, the circular one.
  int Intersect(const CVector& a, const CVector& b, CVectorArray& hits, int mode) const override;

  // Whether a point of the entry's frame lies in the azimuth window (which
  // wraps through 0 when the start is not below the end) and between the
  // two cutting planes, the first below, the second above.
  bool IsWithinLimits(const CVector& local) const;

  double m_slopeX1 = 0.0;
  double m_slopeY1 = 0.0;
  double m_slopeX2 = 0.0;
  double m_slopeY2 = 0.0;
  double m_z1 = 1.0;
  double m_radius1 = 1.0;
  double m_z2 = -1.0;
  double m_radius2 = 1.0;
  double m_startAngle = 0.0; // degrees
  double m_endAngle = 360.0; // degrees
  double m_factorX = 1.0;
  double m_factorY = 1.0;
};
