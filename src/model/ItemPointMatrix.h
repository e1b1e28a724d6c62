#pragma once

#include "ItemPointSet.h"

// A rectangular lattice of points in the entry's xy-plane.
class CItemPointMatrix : public CItemPointSet {
public:
  CItemPointMatrix() : CItemPointSet("pointmatrix") {}

  // Refuses counts above kMaxLatticeCount; builds the lattice.
  bool ReadRecord(CRecordCursor& line, std::string& parentName) override;
  void WriteRecord(CTextBuffer& out, const std::string& parentName) override;
  void SetInsertDefaults() override;

  // Rebuilds m_points: m_nCountX rows along x, each of m_nCountY points
  // along y, coordinates accumulated step by step. Counts below 1 give no
  // points; counts are cut to kMaxLatticeCount.
  void GeneratePoints() override;

  int m_nCountX = 0;
  int m_nCountY = 0;
  double m_stepX = 0.0;
  double m_stepY = 0.0;
};
