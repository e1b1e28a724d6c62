#include "MessageBoxSink.h"

#include "TextEncoding.h"

#include <QMessageBox>
#include <QString>

void CMessageBoxSink::ShowMessage(const std::string& caption, const std::string& text)
{
  QMessageBox::warning(m_pParent, QString::fromStdString(Cp1252ToUtf8(caption)),
                       QString::fromStdString(Cp1252ToUtf8(text)));
}
