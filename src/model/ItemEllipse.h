#pragma once

#include "Item3DColor.h"

// A flat elliptic ring sector (a disc or disc sector for inner radius 0) on
// the plane z = slopeX x + slopeY y + offsetZ; both radii are stretched by
// the factors along x and y.
class CItemEllipse : public CItem3DColor {
public:
  CItemEllipse() : CItem3DColor("ellipse") {}

  bool ReadRecord(CRecordCursor& line, std::string& parentName) override;
  void WriteRecord(CTextBuffer& out, const std::string& parentName) override;
  void SetInsertDefaults() override;
  // Nothing when the two angles are equal.
  void Draw(int phase) override;

  double m_innerRadius = 0.0;
  double m_outerRadius = 1.0;
  double m_factorX = 1.0;
  double m_factorY = 1.0;
  double m_startAngle = 0.0; // degrees
  double m_endAngle = 360.0; // degrees
  double m_offsetZ = 0.0;
  double m_slopeX = 0.0;
  double m_slopeY = 0.0;
};
