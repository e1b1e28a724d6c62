#include "KMVApp.h"

#include <QApplication>
#include <QIcon>

#include <clocale>

int main(int argc, char** argv)
{
  QApplication application(argc, argv);
  // The toolkit takes the desktop's locale; project texts must always read
  // and write numbers with a decimal point. Only dates and times are German.
  std::setlocale(LC_ALL, "C");
  if (!std::setlocale(LC_TIME, "de_DE.UTF-8"))
    std::setlocale(LC_TIME, "de_DE");
  QGuiApplication::setDesktopFileName("velmar-cad");
  QIcon icon(":/icons/velmar-cad-256.png");
  icon.addFile(":/icons/velmar-cad-48.png");
  QApplication::setWindowIcon(icon);

  CKMVApp app;
  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  if (!app.InitInstance(arguments, CKMVApp::Options()))
    return 1;
  return QApplication::exec();
}
