#include "cli/device_session.h"

#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <algorithm>

#include "cli/cli_texts.h"
#include "link/com_ports.h"
#include "link/discovery/port_names.h"
#include "link/serial_link.h"

namespace vorlan::cli {

std::optional<Failure> CheckPortName(const QString& port) {
  const QStringView number = QStringView(port).mid(3);
  const bool comLike =
      port.startsWith(QLatin1String("COM"), Qt::CaseInsensitive) && !number.isEmpty() &&
      std::all_of(number.begin(), number.end(), [](QChar c) { return c.isDigit(); });
  if (port.isEmpty() || (comLike && !PortNumber(port))) {
    return Failure{
        ExitCode::UsageOrFile,
        QStringLiteral("--port must be COM1 to COM30, a device path or auto, not \"%1\".")
            .arg(port)};
  }
  return std::nullopt;
}

DeviceSession::DeviceSession(const QString& port, int timeoutMs, ExchangeLog& log,
                             const QString& devicePath)
    : port_(port), devicePath_(devicePath), timeoutMs_(timeoutMs), log_(log) {
  link_.onArrived = [this](const QByteArray& bytes) {
    log_.received(bytes);
    received_ += bytes;
  };
  link_.onReceived = [this](int waiting) { progress_.show(waiting); };
}

DeviceSession::~DeviceSession() {
  if (link_.portOpen()) link_.drain(timeoutMs_);
}

QString DeviceSession::where() const {
  return PortWhere(port_, link_.devicePath());
}

Failure DeviceSession::portFailure(const LinkFailure& failure) const {
  return {ExitCode::Port, FailureText(failure, PortWhere(port_, failure.path))};
}

std::optional<Failure> DeviceSession::open() {
  bool opened = false;
  if (const auto n = PortNumber(port_)) {
    link_.setCommPort(*n);
    opened = link_.openDevice(devicePath_.isEmpty() ? DevicePathForPort(*n) : devicePath_);
  } else {
    opened = link_.openDevice(port_);
  }
  if (!opened) return portFailure(link_.lastFailure());
  log_.note(QStringLiteral("opened %1").arg(where()));
  quietUntil_ = QDeadlineTimer(kQuietAfterFrameMs, Qt::PreciseTimer);
  return std::nullopt;
}

Failure DeviceSession::noAnswer(int expected) const {
  const QString came = received_.isEmpty() ? QStringLiteral("nothing came")
                                           : QStringLiteral("%1 of %2 bytes came: %3")
                                                 .arg(received_.size())
                                                 .arg(expected)
                                                 .arg(ExchangeLog::Line(received_.left(24)));
  return {ExitCode::NoAnswer,
          QStringLiteral("No answer from %1 within %2 s (%3). Check that this is the device's port "
                         "(\"vorlan_cli ports\"), that the device is switched on, and the cable.")
              .arg(where())
              .arg(timeoutMs_ / 1000.0)
              .arg(came)};
}

std::optional<Failure> DeviceSession::sendAfterQuiet(const Request& request) {
  while (!quietUntil_.hasExpired() && !stops_.stopped()) {
    QThread::msleep(static_cast<unsigned long>(std::min<qint64>(quietUntil_.remainingTime(), 10)));
  }
  if (stops_.stopped()) return stops_.failure(where());
  log_.sent(request.bytes);
  if (auto failure = SendRequest(link_, request)) return portFailure(*failure);
  if (request.bytes.endsWith('#')) return std::nullopt;
  // Whole even when a stop signal comes meanwhile: half a frame would wait for the next one.
  if (!link_.drain(timeoutMs_)) return portFailure(link_.lastFailure());
  quietUntil_ = QDeadlineTimer(kQuietAfterFrameMs, Qt::PreciseTimer);
  return std::nullopt;
}

std::variant<Reply, Failure> DeviceSession::exchange(const Request& request, const QString& what) {
  received_.clear();
  if (auto failure = sendAfterQuiet(request)) return *failure;

  std::optional<Reply> reply;
  std::optional<LinkFailure> lost;
  QEventLoop loop;
  QTimer timer;
  timer.setSingleShot(true);
  timer.setTimerType(Qt::PreciseTimer);  // never before the time-out the user gave
  QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
  link_.onComm = [&] {
    reply = TakeReply(link_);
    if (reply) loop.quit();
  };
  link_.onFailure = [&](const LinkFailure& failure) {
    lost = failure;
    loop.quit();
  };
  stops_.onStop([&] { loop.quit(); });
  progress_.start(QStringLiteral("%1 %2").arg(what, where()), request.replyLength);
  timer.start(timeoutMs_);
  if (!stops_.stopped()) loop.exec();
  progress_.clear();
  stops_.onStop(nullptr);
  link_.onComm = nullptr;
  link_.onFailure = nullptr;

  if (reply) return *reply;
  if (lost) return portFailure(*lost);
  if (stops_.stopped()) return stops_.failure(where());
  link_.setRThreshold(0);
  log_.note(QStringLiteral("no answer within %1 ms").arg(timeoutMs_));
  return noAnswer(request.replyLength);
}

std::optional<Failure> DeviceSession::send(const Request& request) {
  received_.clear();
  return sendAfterQuiet(request);
}

}  // namespace vorlan::cli
