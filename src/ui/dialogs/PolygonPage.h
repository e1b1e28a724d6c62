#pragma once

#include "PropertySheet.h"
#include "Vector.h"

#include <array>

class CGridListCtrl;
class CItemPolygon;
class QLineEdit;

// The polygon's own page: its vertices in a list with grid lines, the front
// flag and the unit normal. Vertices are inserted, changed (also by a double
// click), deleted and reversed on the page's copy; reversing turns the
// normal round. The entry takes the copy on OK.
class CPolygonPage : public CPropertyPage {
public:
  CPolygonPage(CItemPolygon& entry, CMessageSink& messages);
  bool TakeBack() override;

private:
  void InsertVertex();
  void ChangeVertex(int row);
  void DeleteVertex();
  void ReverseVertices();
  // The list's selected row, -1 when none is.
  int SelectedRow() const;
  void ShowVertices();

  CItemPolygon& m_entry;
  CVectorArray m_vertices;
  int m_bFront;
  CGridListCtrl* m_pList;
  std::array<QLineEdit*, 3> m_pNormal{};
};
