#include "PointDialog.h"

#include "DialogButtons.h"

#include <QFormLayout>
#include <QLineEdit>

CPointDialog::CPointDialog(const QString& title, const CVector& point, CMessageSink& messages, QWidget* parent)
    : QDialog(parent), m_point(point), m_binder(messages)
{
  setWindowTitle(title);
  auto* form = new QFormLayout(this);
  for (auto [label, value] : {std::pair{"x", &m_point.x}, std::pair{"y", &m_point.y}, std::pair{"z", &m_point.z}}) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(label);
    form->addRow(label, edit);
    m_binder.BindDouble(edit, *value);
  }
  auto* buttons = OkCancelButtons(*this);
  form->addRow(buttons);
}

bool CPointDialog::Edit()
{
  return exec() == QDialog::Accepted;
}

void CPointDialog::accept()
{
  if (m_binder.Store())
    QDialog::accept();
}
