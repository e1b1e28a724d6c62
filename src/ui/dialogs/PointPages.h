#pragma once

#include "EntryDialogs.h"
#include "PropertySheet.h"

class CItemPoint;
class CItemPointArc;
class CItemPointMatrix;
class QButtonGroup;

// Marker size and style (cross, cube, sphere) of every point kind. A style
// the entry does not know selects no button and is kept.
class CPointPage : public CPropertyPage {
public:
  CPointPage(CItemPoint& entry, CMessageSink& messages);
  bool TakeBack() override;

private:
  CItemPoint& m_entry;
  double m_size;
  QButtonGroup* m_pStyle;
};

class CPointMatrixPage : public CPropertyPage {
public:
  CPointMatrixPage(CItemPointMatrix& entry, CMessageSink& messages);
  // Takes the counts and steps and builds the lattice anew.
  bool TakeBack() override;

private:
  CItemPointMatrix& m_entry;
  int m_nCountX;
  int m_nCountY;
  double m_stepX;
  double m_stepY;
};

class CPointArcPage : public CPropertyPage {
public:
  CPointArcPage(CItemPointArc& entry, CMessageSink& messages);
  // Takes the arc's fields and builds its points anew.
  bool TakeBack() override;

private:
  CItemPointArc& m_entry;
  double m_startAngle;
  double m_endAngle;
  double m_radius;
  int m_nCount;
  double m_factorX;
  double m_factorY;
};

// Points, point matrices and points on an arc: the common 3D page, the point
// page and the lattice's or arc's page.
std::optional<bool> EditPointEntry(CItemBase& entry, const CDialogContext& context);
