#pragma once

#include "ItemSurface.h"

// A flat elliptic segment: the region between the arc (r fx cos t, r fy sin t)
// and its chord, on the plane z = slopeX x + slopeY y + offsetZ. A line never
// meets it (Intersect gives 0).
class CItemArc2 : public CItem3DSurface {
public:
  CItemArc2() : CItem3DSurface("arc2") {}

  bool ReadRecord(CRecordCursor& line, std::string& parentName) override;
  void WriteRecord(CTextBuffer& out, const std::string& parentName) override;
  void SetInsertDefaults() override;
  void Draw(int phase) override;

  double m_radius = 1.0;
  double m_factorX = 1.0;
  double m_factorY = 1.0;
  double m_offsetZ = 0.0;
  double m_slopeX = 0.0;
  double m_slopeY = 0.0;
  double m_startAngle = 0.0; // degrees
  double m_endAngle = 360.0; // degrees
};
