#pragma once

#include "PropertySheet.h"

class CItemBase;
class CItemWord;

// The common page of the non-3D kinds (the core's CItemPage contents):
// description and name, the active and visible flags. At the user level the
// name cannot be edited; the flags only below the root.
class CItemPropertyPage : public CPropertyPage {
public:
  CItemPropertyPage(CItemBase& entry, CMessageSink& messages);
  // Refuses a name a sibling already bears (message 40007).
  bool TakeBack() override;

private:
  CItemBase& m_entry;
  std::string m_strDescription;
  std::string m_strName;
  int m_bActive;
  int m_bVisible;
};

// Value, minimum and maximum of an unsigned number, not checked against each
// other; the limits are fixed at the user level.
class CWordPage : public CPropertyPage {
public:
  CWordPage(CItemWord& entry, CMessageSink& messages);
  bool TakeBack() override;

private:
  CItemWord& m_entry;
  unsigned m_nValue;
  unsigned m_nLow;
  unsigned m_nHigh;
};
