#include "PointPages.h"

#include "ColorItemPage.h"
#include "ItemPointArc.h"
#include "ItemPointMatrix.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QRadioButton>

namespace {

constexpr double kMaxLength = 1e300;

} // namespace

CPointPage::CPointPage(CItemPoint& entry, CMessageSink& messages)
    : CPropertyPage(messages), m_entry(entry), m_size(entry.m_size), m_pStyle(new QButtonGroup(this))
{
  AddDouble("Größe", m_size);
  int style = 0;
  for (const char* text : {"Kreuz", "Würfel", "Kugel"}) {
    auto* button = new QRadioButton(QString::fromUtf8(text), this);
    m_pStyle->addButton(button, style++);
    Form()->addRow(button);
  }
  if (QAbstractButton* current = m_pStyle->button(entry.m_nStyle))
    current->setChecked(true);
}

bool CPointPage::TakeBack()
{
  m_entry.m_size = m_size;
  if (m_pStyle->checkedId() >= 0)
    m_entry.m_nStyle = m_pStyle->checkedId();
  return true;
}

CPointMatrixPage::CPointMatrixPage(CItemPointMatrix& entry, CMessageSink& messages)
    : CPropertyPage(messages), m_entry(entry), m_nCountX(entry.m_nCountX), m_nCountY(entry.m_nCountY),
      m_stepX(entry.m_stepX), m_stepY(entry.m_stepY)
{
  AddInteger("Anzahl x", m_nCountX, 1, 1000);
  AddInteger("Anzahl y", m_nCountY, 0, 1000);
  AddDouble("Abstand x", m_stepX);
  AddDouble("Abstand y", m_stepY);
}

bool CPointMatrixPage::TakeBack()
{
  m_entry.m_nCountX = m_nCountX;
  m_entry.m_nCountY = m_nCountY;
  m_entry.m_stepX = m_stepX;
  m_entry.m_stepY = m_stepY;
  m_entry.GeneratePoints();
  return true;
}

CPointArcPage::CPointArcPage(CItemPointArc& entry, CMessageSink& messages)
    : CPropertyPage(messages), m_entry(entry), m_startAngle(entry.m_startAngle), m_endAngle(entry.m_endAngle),
      m_radius(entry.m_radius), m_nCount(entry.m_nCount), m_factorX(entry.m_factorX), m_factorY(entry.m_factorY)
{
  AddDouble("Startwinkel", m_startAngle, 0.0, 360.0);
  AddDouble("Endwinkel", m_endAngle, 0.0, 360.0);
  AddDouble("Radius", m_radius, 0.0, kMaxLength);
  AddInteger("Anzahl", m_nCount, 0, 1000);
  AddDouble("Faktor x", m_factorX);
  AddDouble("Faktor y", m_factorY);
}

bool CPointArcPage::TakeBack()
{
  m_entry.m_startAngle = m_startAngle;
  m_entry.m_endAngle = m_endAngle;
  m_entry.m_radius = m_radius;
  m_entry.m_nCount = m_nCount;
  m_entry.m_factorX = m_factorX;
  m_entry.m_factorY = m_factorY;
  m_entry.GeneratePoints();
  return true;
}

std::optional<bool> EditPointEntry(CItemBase& entry, const CDialogContext& context)
{
  auto* point = dynamic_cast<CItemPoint*>(&entry);
  if (!point)
    return std::nullopt;
  CPropertySheet sheet(context.caption, context.pParent, context.access);
  sheet.AddPage(new C3DColorItemPage(*point, context.messages), "Allgemein");
  sheet.AddPage(new CPointPage(*point, context.messages), "Punkt");
  if (auto* matrix = dynamic_cast<CItemPointMatrix*>(point))
    sheet.AddPage(new CPointMatrixPage(*matrix, context.messages), "Punktmatrix");
  else if (auto* arc = dynamic_cast<CItemPointArc*>(point))
    sheet.AddPage(new CPointArcPage(*arc, context.messages), "Punktbogen");
  return sheet.Edit();
}
