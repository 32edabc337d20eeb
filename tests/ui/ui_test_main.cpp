// The window tests run on Qt's offscreen platform with one application object for all of them.

#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "ui/fonts.h"

int main(int argc, char* argv[]) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  // Backups of the read-backs that tests make go to a test folder of this process's own, not the
  // user's: ctest runs several test processes at once.
  QTemporaryDir home;
  qputenv("HOME", home.path().toLocal8Bit());
  QStandardPaths::setTestModeEnabled(true);
  QApplication app(argc, argv);
  vorlan::ui::InstallFontSubstitutes();
  return RUN_ALL_TESTS();
}
