#pragma once

#include "GridLines.h"
#include "ItemPolygon.h"

// A rectangle carrying major and minor grid lines.
class CItemGrid : public CItemPolygon {
public:
  CItemGrid() : CItemPolygon("grid") {}

  bool ReadRecord(CRecordCursor& line, std::string& parentName) override;
  void WriteRecord(CTextBuffer& out, const std::string& parentName) override;
  void SetInsertDefaults() override;
  // The polygon, then the grid lines over it (needs three vertices). A line
  // kind whose step is not positive, or that would need more than
  // kMaxFamilyLines lines in a run, draws nothing; the fields stay as read.
  void Draw(int phase) override;

  // Rectangle x1 = V0.x, x2 = V1.x, y1 = V0.y, y2 = V2.y; empty below three
  // vertices.
  CGridRect Rect() const;
  using CItemPolygon::SetCorners;
  // What the grid page's OK derives from the edited fields: the major step,
  // and the line kinds that cannot show (no major lines at 0 divisions, no
  // minor lines at 1, neither when the minor step is below a thousandth of a
  // side).
  void DeriveLines();
  std::vector<CLineFamily> MinorLines() const;
  std::vector<CLineFamily> MajorLines() const;

  CVector m_majorColor{0.3, 0.3, 0.3};
  CVector m_minorColor{0.7, 0.7, 0.7};
  double m_majorStep = 1.0; // always m_nDivisions * m_minorStep, never read
  double m_minorStep = 0.2;
  double m_majorWidth = 0.0;
  double m_minorWidth = 0.0;
  int m_nDivisions = 5; // minor intervals per major interval
  int m_bMajorLines = 1;
  int m_bMinorLines = 1;
  int m_bMajorCentred = 1;
  int m_bMinorCentred = 1;

private:
  void DrawLines(const std::vector<CLineFamily>& runs, const CVector& colour, double width) const;
};
