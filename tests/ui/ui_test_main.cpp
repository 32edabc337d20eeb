// The window tests run on Qt's offscreen platform with one application object for all of them.

#include <gtest/gtest.h>

#include <QApplication>

#include "ui/fonts.h"

int main(int argc, char* argv[]) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  vorlan::ui::InstallFontSubstitutes();
  return RUN_ALL_TESTS();
}
