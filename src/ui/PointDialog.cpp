#include "PointDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

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
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QDialogButtonBox::Ok)->setText("OK");
  buttons->addButton(QDialogButtonBox::Cancel)->setText("Abbrechen");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
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
