#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

// Widget tests need one application object for the whole run.
int main(int argc, char** argv)
{
  QApplication application(argc, argv);
  // Recent files and other per-user settings stay out of the user's own.
  QStandardPaths::setTestModeEnabled(true);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
