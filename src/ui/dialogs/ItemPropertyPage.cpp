#include "ItemPropertyPage.h"

#include "ItemPages.h"
#include "ItemWord.h"

#include <QCheckBox>
#include <QLineEdit>

#include <cstdint>
#include <limits>

namespace {

constexpr int kDescriptionLength = 255;
constexpr int kNameLength = 63;
constexpr unsigned kWordMax = std::numeric_limits<uint16_t>::max();

} // namespace

CItemPropertyPage::CItemPropertyPage(CItemBase& entry, CMessageSink& messages) : CPropertyPage(messages), m_entry(entry)
{
  CItemPage page;
  m_entry.ExchangeItemPage(page, false, nullptr);
  m_strDescription = page.description;
  m_strName = page.name;
  m_bActive = page.active ? 1 : 0;
  m_bVisible = page.visible ? 1 : 0;
  AddText("Beschreibung", m_strDescription, kDescriptionLength);
  AddText("Name", m_strName, kNameLength)->setEnabled(false);
  AddCheck("Aktiv", m_bActive)->setEnabled(page.flagsEnabled);
  AddCheck("Sichtbar", m_bVisible)->setEnabled(page.flagsEnabled);
}

bool CItemPropertyPage::TakeBack()
{
  CItemPage page{m_strName, m_strDescription, m_bActive != 0, m_bVisible != 0, m_entry.m_pParent != nullptr};
  return m_entry.ExchangeItemPage(page, true, &m_messages);
}

CWordPage::CWordPage(CItemWord& entry, CMessageSink& messages)
    : CPropertyPage(messages), m_entry(entry), m_nValue(entry.m_nValue), m_nLow(entry.m_nLow), m_nHigh(entry.m_nHigh)
{
  AddUnsigned("Wert", m_nValue, kWordMax);
  AddUnsigned("Minimum", m_nLow, kWordMax)->setEnabled(false);
  AddUnsigned("Maximum", m_nHigh, kWordMax)->setEnabled(false);
}

bool CWordPage::TakeBack()
{
  m_entry.m_nValue = static_cast<uint16_t>(m_nValue);
  m_entry.m_nLow = static_cast<uint16_t>(m_nLow);
  m_entry.m_nHigh = static_cast<uint16_t>(m_nHigh);
  return true;
}
