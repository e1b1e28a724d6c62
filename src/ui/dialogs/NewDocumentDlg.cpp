#include "NewDocumentDlg.h"

#include "DialogButtons.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

CNewDocumentDlg::CNewDocumentDlg(QWidget* parent) : QDialog(parent), m_pGroup(new QButtonGroup(this))
{
  setWindowTitle("Neues Dokument");
  auto* box = new QGroupBox("Typ des Velmars", this);
  auto* choices = new QVBoxLayout(box);
  int index = 0;
  for (const char* model : {"Pilot A1", "Pilot B1", "Pilot B2", "Pilot C1"}) {
    auto* button = new QRadioButton(model, box);
    m_pGroup->addButton(button, index++);
    choices->addWidget(button);
  }
  auto* buttons = OkCancelButtons(*this, Qt::Vertical);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(box, 1);
  layout->addWidget(buttons);
}

int CNewDocumentDlg::GetSelection() const
{
  return m_pGroup->checkedId();
}

void CNewDocumentDlg::Select(int index)
{
  if (QAbstractButton* button = m_pGroup->button(index))
    button->setChecked(true);
}
