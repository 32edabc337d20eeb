#include "ui/demo_mode.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>

#include "ui/message_box.h"

namespace vorlan::ui {
namespace {

constexpr char kSimulator[] = "vorlan_device_sim";

void Say(FILE* stream, const QString& text) {
  std::fprintf(stream, "%s\n", text.toLocal8Bit().constData());
  std::fflush(stream);
}

}  // namespace

QString FindDeviceSimulator() {
  const QFileInfo beside(QDir(QCoreApplication::applicationDirPath()).filePath(kSimulator));
  if (beside.isFile() && beside.isExecutable()) return beside.filePath();
  return QStandardPaths::findExecutable(kSimulator);
}

bool StartDemo(DemoDevice& device, const LanguageData& lang) {
  const QString simulator = FindDeviceSimulator();
  QString problem;
  if (simulator.isEmpty()) {
    problem = Text(lang.demoNotFound).arg(QCoreApplication::applicationDirPath());
  } else if (const QString failure = device.start(simulator); !failure.isEmpty()) {
    problem = Text(lang.demoFailed).arg(failure);
  }
  if (!problem.isEmpty()) {
    Say(stderr, problem);
    ShowMessageBox(nullptr, problem);
    return false;
  }
  qputenv("VORLAN_COM1", device.ptyPath().toLocal8Bit());
  Say(stdout, Text(lang.demoStarted).arg(device.ptyPath()));
  return true;
}

}  // namespace vorlan::ui
