#pragma once

#include "PropertySheet.h"
#include "Vector.h"

class CItem3DColor;
class QLineEdit;
class QPushButton;

// The common page of every 3D kind: position, rotation, description, name,
// fill and line colour with their colour choosers, and the four flags. The
// name is fixed at the user level; points and lines have no line colour.
class C3DColorItemPage : public CPropertyPage {
public:
  C3DColorItemPage(CItem3DColor& entry, CMessageSink& messages);
  // Refuses a name a sibling already bears (message 40007) and then
  // changes nothing.
  bool TakeBack() override;

private:
  // Three colour fields and their chooser button; red also takes -1.
  QPushButton* AddColor(const QString& label, CVector& color);
  void ChooseColor(CVector& color);

  CItem3DColor& m_entry;
  CVector m_position;
  CVector m_rotation;
  std::string m_strDescription;
  std::string m_strName;
  CVector m_fillColor;
  CVector m_lineColor;
  int m_bActive;
  int m_bVisible;
  int m_bFill;
  int m_bOutline;
};
