// The window tests run on Qt's offscreen platform with one application object for all of them.

#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

#include "ui/fonts.h"

int main(int argc, char* argv[]) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  // Backups of the read-backs that tests make go to a test folder, not the user's.
  QStandardPaths::setTestModeEnabled(true);
  vorlan::ui::InstallFontSubstitutes();
  return RUN_ALL_TESTS();
}
