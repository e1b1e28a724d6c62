#include "DialogButtons.h"

#include <QDialog>
#include <QPushButton>

QDialogButtonBox* OkCancelButtons(QDialog& dialog, Qt::Orientation orientation)
{
  auto* buttons = new QDialogButtonBox(orientation, &dialog);
  buttons->addButton(QDialogButtonBox::Ok)->setText("OK");
  buttons->addButton(QDialogButtonBox::Cancel)->setText("Abbrechen");
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  return buttons;
}
