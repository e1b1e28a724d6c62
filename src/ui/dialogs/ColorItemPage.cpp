#include "ColorItemPage.h"

#include "ColorChooser.h"
#include "Item3DColor.h"
#include "ItemPages.h"
#include "ItemPoint.h"
#include "LineItem.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kDescriptionLength = 254;
constexpr int kNameLength = 63;

} // namespace

C3DColorItemPage::C3DColorItemPage(CItem3DColor& entry, CMessageSink& messages)
    : CPropertyPage(messages), m_entry(entry), m_position(entry.m_position), m_rotation(entry.m_rotation),
      m_strDescription(entry.m_strDescription), m_strName(entry.m_strName), m_fillColor(entry.m_fillColor),
      m_lineColor(entry.m_lineColor), m_bActive(entry.m_bActive), m_bVisible(entry.m_bVisible), m_bFill(entry.m_bFill),
      m_bOutline(entry.m_bOutline)
{
  AddDouble("Position x", m_position.x);
  AddDouble("Position y", m_position.y);
  AddDouble("Position z", m_position.z);
  AddDouble("Drehung x", m_rotation.x, -180.0, 180.0);
  AddDouble("Drehung y", m_rotation.y, -180.0, 180.0);
  AddDouble("Drehung z", m_rotation.z, -180.0, 180.0);
  AddText("Beschreibung", m_strDescription, kDescriptionLength);
  AddText("Name", m_strName, kNameLength)->setEnabled(false);
  AddColor("Füllfarbe", m_fillColor);
  const int lineStart = Form()->rowCount();
  QPushButton* lineChooser = AddColor("Linienfarbe", m_lineColor);
  if (dynamic_cast<CItemPoint*>(&entry) || dynamic_cast<CLineItem*>(&entry)) {
    for (int row = lineStart; row < Form()->rowCount(); ++row)
      if (QLayoutItem* field = Form()->itemAt(row, QFormLayout::FieldRole))
        field->widget()->setEnabled(false);
    lineChooser->setEnabled(false);
  }
  AddCheck("Aktiv", m_bActive);
  AddCheck("Sichtbar", m_bVisible);
  AddCheck("Gefüllt", m_bFill);
  AddCheck("Umrandet", m_bOutline);
}

QPushButton* C3DColorItemPage::AddColor(const QString& label, CVector& color)
{
  AddDouble(label + " rot", color.x, -1.0, 1.0);
  AddDouble(label + " grün", color.y, 0.0, 1.0);
  AddDouble(label + " blau", color.z, 0.0, 1.0);
  auto* chooser = new QPushButton(label + "...", this);
  Form()->addRow(chooser);
  connect(chooser, &QPushButton::clicked, this, [this, &color] { ChooseColor(color); });
  return chooser;
}

void C3DColorItemPage::ChooseColor(CVector& color)
{
  // The chooser starts from what the fields show now.
  if (!Store())
    return;
  if (RunColorChooser(color, this))
    Load();
}

bool C3DColorItemPage::TakeBack()
{
  CItemPage page{m_strName, m_strDescription, m_bActive != 0, m_bVisible != 0, m_entry.m_pParent != nullptr};
  if (!m_entry.ExchangeItemPage(page, true, &m_messages))
    return false;
  m_entry.m_position = m_position;
  m_entry.m_rotation = m_rotation;
  m_entry.m_fillColor = m_fillColor;
  m_entry.m_lineColor = m_lineColor;
  m_entry.m_bFill = m_bFill;
  m_entry.m_bOutline = m_bOutline;
  return true;
}
