#include "ViewOptionsPage.h"

#include <QLineEdit>

C3DViewOptionsPage::C3DViewOptionsPage(CViewOptions& options, CMessageSink& messages)
    : CPropertyPage(messages), m_options(options), m_values(options)
{
  AddDouble("Drehpunkt x", m_values.target.x)->setObjectName("targetX");
  AddDouble("Drehpunkt y", m_values.target.y)->setObjectName("targetY");
  AddDouble("Drehpunkt z", m_values.target.z)->setObjectName("targetZ");
  AddDouble("Hintergrund rot", m_values.red, 0.0, 1.0)->setObjectName("red");
  AddDouble("Hintergrund grün", m_values.green, 0.0, 1.0)->setObjectName("green");
  AddDouble("Hintergrund blau", m_values.blue, 0.0, 1.0)->setObjectName("blue");
}

bool C3DViewOptionsPage::TakeBack()
{
  m_options = m_values;
  return true;
}

bool Edit3DViewOptions(CViewOptions& options, CMessageSink& messages, QWidget* parent)
{
  CPropertySheet sheet("3D-Ansicht", parent);
  sheet.AddPage(new C3DViewOptionsPage(options, messages), "Ansicht");
  return sheet.Edit();
}
