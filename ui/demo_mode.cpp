#include "ui/demo_mode.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>

#ifdef Q_OS_LINUX
#include <sys/prctl.h>

#include <csignal>
#endif

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

DemoDevice::~DemoDevice() {
  if (process_.state() == QProcess::NotRunning) return;
  process_.terminate();
  if (!process_.waitForFinished(2000)) {
    process_.kill();
    process_.waitForFinished(2000);
  }
}

QString DemoDevice::start(const QString& simulator, int waitMs) {
  // The simulator logs every exchange on stderr: it goes to the program's terminal.
  process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
#ifdef Q_OS_LINUX
  // Should this program die without ending it, the simulator ends too.
  process_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
#endif
  process_.start(simulator, {});
  if (!process_.waitForStarted(waitMs)) {
    return QStringLiteral("%1: %2").arg(simulator, process_.errorString());
  }
  const QDeadlineTimer deadline(waitMs);
  while (!process_.canReadLine() && process_.state() == QProcess::Running &&
         !deadline.hasExpired()) {
    process_.waitForReadyRead(int(deadline.remainingTime()));
  }
  ptyPath_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
  if (ptyPath_.isEmpty()) {
    return QStringLiteral("%1 named no pseudo-terminal within %2 ms").arg(simulator).arg(waitMs);
  }
  return {};
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
