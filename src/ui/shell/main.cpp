#include "KMVApp.h"
#include "ProgramLocale.h"
#include "QtTranslation.h"

#include <QApplication>
#include <QIcon>
#include <QTranslator>

int main(int argc, char** argv)
{
  QApplication application(argc, argv);
  SetProgramLocale();
  QTranslator qtTexts;
  InstallQtTranslation(qtTexts);
  QGuiApplication::setDesktopFileName("velmar-cad");
  QIcon icon(":/icons/velmar-cad-256.png");
  icon.addFile(":/icons/velmar-cad-48.png");
  QApplication::setWindowIcon(icon);

  CKMVApp app;
  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  if (!app.InitInstance(arguments, CKMVApp::Options()))
    return 1;
  if (app.IsPrintRun())
    return 0;
  return QApplication::exec();
}
