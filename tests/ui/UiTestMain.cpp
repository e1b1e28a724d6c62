#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Widget tests need one application object for the whole run.
int main(int argc, char** argv)
{
  // Each run keeps its settings, recent files and recovery files in a home of
  // its own: a run killed by a timeout, or one running beside it, never leaves
  // a recovery question that stops the next.
  QTemporaryDir home;
  if (home.isValid())
    qputenv("HOME", home.path().toLocal8Bit());
  QApplication application(argc, argv);
  // Recent files and other per-user settings stay out of the user's own.
  QStandardPaths::setTestModeEnabled(true);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
