#pragma once

#include "PropertySheet.h"
#include "Vector.h"

#include <array>

class CItemGrid;
class QCheckBox;
class QLineEdit;

// The grid's own page: line colours with their choosers, the corners, the
// divisions, minor step and line widths, and the centring flags. The major
// step is shown, not edited: it follows divisions times minor step as they
// are typed. A ticked centred box stays ticked only while the rectangle
// holds the frame's origin.
class CGridPage : public CPropertyPage {
public:
  CGridPage(CItemGrid& entry, CMessageSink& messages);
  bool TakeBack() override;

private:
  void AddColor(const QString& label, CVector& color);
  void ShowMajorStep();
  void KeepCentredBoxes();

  CItemGrid& m_entry;
  CVector m_majorColor;
  CVector m_minorColor;
  double m_x1 = 0.0;
  double m_x2 = 0.0;
  double m_y1 = 0.0;
  double m_y2 = 0.0;
  int m_nDivisions;
  double m_minorStep;
  double m_majorWidth;
  double m_minorWidth;
  int m_bMajorCentred;
  int m_bMinorCentred;

  std::array<QLineEdit*, 4> m_pCorners{}; // x1, x2, y1, y2
  QLineEdit* m_pDivisions;
  QLineEdit* m_pMinorStep;
  QLineEdit* m_pMajorStep;
  std::array<QCheckBox*, 2> m_pCentred{}; // major, minor
};
