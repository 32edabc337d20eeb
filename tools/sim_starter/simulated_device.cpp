#include "tools/sim_starter/simulated_device.h"

#include <QDeadlineTimer>

#ifdef Q_OS_LINUX
#include <sys/prctl.h>

#include <csignal>
#endif

namespace vorlan {

SimulatedDevice::~SimulatedDevice() {
  if (process_.state() == QProcess::NotRunning) return;
  process_.terminate();
  if (!process_.waitForFinished(2000)) kill();
}

QString SimulatedDevice::start(const QString& program, const QStringList& options, Log log,
                               int waitMs) {
  if (log == Log::Forwarded) process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
#ifdef Q_OS_LINUX
  process_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
#endif
  process_.start(program, options);
  if (!process_.waitForStarted(waitMs)) {
    return QStringLiteral("%1: %2").arg(program, process_.errorString());
  }
  const QDeadlineTimer deadline(waitMs);
  while (!process_.canReadLine() && process_.state() == QProcess::Running &&
         !deadline.hasExpired()) {
    process_.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
  }
  ptyPath_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
  if (ptyPath_.isEmpty()) {
    return QStringLiteral("%1 named no pseudo-terminal within %2 ms").arg(program).arg(waitMs);
  }
  process_.setReadChannel(QProcess::StandardError);  // its log, from here on
  return {};
}

const QByteArray& SimulatedDevice::log() {
  log_ += process_.readAllStandardError();
  return log_;
}

void SimulatedDevice::kill() {
  process_.kill();
  process_.waitForFinished(5000);
}

}  // namespace vorlan
