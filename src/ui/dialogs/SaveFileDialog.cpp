#include "SaveFileDialog.h"

#include <QFile>
#include <QFileDialog>

std::string AskSaveFileName(QWidget* parent, const QString& caption, const QString& suggested, const QString& filter,
                            const QString& suffix)
{
  QFileDialog dialog(parent, caption, QString(), filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(suffix);
  dialog.selectFile(suggested);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return {};
  return QFile::encodeName(dialog.selectedFiles().front()).toStdString();
}
