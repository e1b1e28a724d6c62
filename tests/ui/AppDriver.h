#pragma once

#include "KMVApp.h"

#include <QStringList>

// Starts the program as its command line would, without the start-up picture.
inline bool StartApp(CKMVApp& app, const QStringList& arguments)
{
  CKMVApp::Options options;
  options.bSplash = false;
  return app.InitInstance(arguments, options);
}
