#pragma once

#include "ItemSurface.h"

// The surface (x/fx)^2 + (y/fy)^2 + (z/fz)^2 = r^2 of the entry's frame within an
// azimuth window (from x towards y) and a polar window (from +z), degrees.
class CItemEllipsoid : public CItem3DSurface {
public:
  CItemEllipsoid() : CItem3DSurface("ellipsoid") {}

  bool ReadRecord(CRecordCursor& line, std::string& parentName) override;
  void WriteRecord(CTextBuffer& out, const std::string& parentName) override;
  void SetInsertDefaults() override;
  void Draw(int phase) override;
  // Meets the shape in its own frame, so a turned frame turns the shape the
  // line meets as it turns the drawn one; hits farther root first.
  int Intersect(const CVector& a, const CVector& b, CVectorArray& hits, int mode) const override;

  // Whether a point of the entry's frame lies on the surface and within both
  // windows; an azimuth window whose end is not above its start wraps
  // through 0.
  bool IsInWindow(const CVector& local) const;

  double m_phiStart = 0.0;
  double m_phiEnd = 360.0;
  double m_thetaStart = 0.0;
  double m_thetaEnd = 180.0;
  double m_radius = 1.0;
  double m_factorX = 1.0;
  double m_factorY = 1.0;
  double m_factorZ = 1.0;
};
