#pragma once

#include "KMVApp.h"

#include <QStringList>

// Starts the program as its command line would, without the start-up
// picture; recovery files go to the folder given, if any.
inline bool StartApp(CKMVApp& app, const QStringList& arguments, const QString& recoveryFolder = QString())
{
  CKMVApp::Options options;
  options.bSplash = false;
  options.recoveryFolder = recoveryFolder;
  return app.InitInstance(arguments, options);
}
