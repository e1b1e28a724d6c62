#include "HelpWindow.h"

#include <QDialog>
#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

constexpr const char* kHelpPage = ":/help/hilfe.html";

} // namespace

bool ShowHelpContents(QWidget* parent)
{
  if (!QFile::exists(kHelpPage))
    return false;
  auto* window = new QDialog(parent);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setWindowTitle("Hilfe - Velmar CAD-Planungssoftware");
  auto* browser = new QTextBrowser(window);
  browser->setOpenExternalLinks(true);
  browser->setSource(QUrl(QString("qrc") + kHelpPage));
  auto* layout = new QVBoxLayout(window);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser);
  window->resize(720, 640);
  window->show();
  return true;
}
