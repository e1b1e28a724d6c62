#pragma once

#include "ItemPointSet.h"

// Points spread along an elliptic arc in the entry's xy-plane.
class CItemPointArc : public CItemPointSet {
public:
  CItemPointArc() : CItemPointSet("pointarc") {}

  // Refuses a count above kMaxArcPointCount; builds the arc.
  bool ReadRecord(CRecordCursor& line, std::string& parentName) override;
  void WriteRecord(CTextBuffer& out, const std::string& parentName) override;
  void SetInsertDefaults() override;

  // Rebuilds m_points: m_nCount points from the start angle to the end angle
  // (raised by whole turns above the start), both ends included unless the
  // arc is a full turn; one point when the angles are equal. The count is cut
  // to kMaxArcPointCount.
  void GeneratePoints() override;

  int m_nCount = 0;
  double m_radius = 0.0;
  double m_factorX = 0.0;
  double m_factorY = 0.0;
  double m_startAngle = 0.0; // degrees
  double m_endAngle = 0.0;   // degrees
};
