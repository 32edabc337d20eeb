#include "cli/device_session.h"

#include <algorithm>

#include "cli/cli_texts.h"
#include "link/com_ports.h"
#include "link/discovery/port_names.h"

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
    : port_(port),
      devicePath_(devicePath),
      timeoutMs_(timeoutMs),
      log_(log),
      session_(link_, {timeoutMs}) {
  link_.setDeviceResolver(DiscoveredDevice);
  session_.onSent = [this](const QByteArray& bytes) { log_.sent(bytes); };
  session_.onArrived = [this](const QByteArray& bytes) { log_.received(bytes); };
  session_.onProgress = [this](int received, int) { progress_.show(received); };
}

// The device session drains what is still queued before the port closes.
DeviceSession::~DeviceSession() = default;

QString DeviceSession::where() const {
  return PortWhere(port_, link_.devicePath());
}

Failure DeviceSession::portFailure(const LinkFailure& failure) const {
  return {ExitCode::Port, FailureText(failure, PortWhere(port_, failure.path))};
}

std::optional<Failure> DeviceSession::open() {
  const auto number = PortNumber(port_);
  // A device path the user gave opens under the link's own number.
  const auto failure =
      number ? session_.open(*number, devicePath_) : session_.open(link_.commPort(), port_);
  if (failure) return portFailure(*failure);
  log_.note(QStringLiteral("opened %1").arg(where()));
  return std::nullopt;
}

Failure DeviceSession::noAnswer(int expected) const {
  const QByteArray& received = session_.received();
  const QString came = received.isEmpty() ? QStringLiteral("nothing came")
                                          : QStringLiteral("%1 of %2 bytes came: %3")
                                                .arg(received.size())
                                                .arg(expected)
                                                .arg(ExchangeLog::Line(received.left(24)));
  return {ExitCode::NoAnswer,
          QStringLiteral("No answer from %1 within %2 s (%3). Check that this is the device's port "
                         "(\"vorlan_cli ports\"), that the device is switched on, and the cable.")
              .arg(where())
              .arg(timeoutMs_ / 1000.0)
              .arg(came)};
}

Failure DeviceSession::answered(ExitCode code, const QString& how,
                                const QByteArray& received) const {
  return {code, QStringLiteral("%1 answered with %2 (it sent: %3).")
                    .arg(where(), how, ExchangeLog::Line(received.left(24)))};
}

SessionOutcome DeviceSession::run(const Request& request) {
  stops_.onStop([this] { session_.stop(); });
  const SessionOutcome outcome = WaitForOutcome(session_, request);
  stops_.onStop(nullptr);
  return outcome;
}

std::variant<Reply, Failure> DeviceSession::exchange(const Request& request, const QString& what) {
  if (stops_.stopped()) return stops_.failure(where());
  progress_.start(QStringLiteral("%1 %2").arg(what, where()), request.replyLength);
  const SessionOutcome outcome = run(request);
  progress_.clear();

  using Kind = SessionOutcome::Kind;
  switch (outcome.kind) {
    case Kind::Replied:
      return outcome.reply;
    case Kind::OtherKind:
      return answered(
          ExitCode::DeviceRefusal,
          QStringLiteral("a reply of another kind: ") + OutcomeText(outcome.reply.outcome),
          outcome.received);
    case Kind::Garbled:
      return answered(ExitCode::Garbled, OutcomeText(Reply::Outcome::NoLead), outcome.received);
    case Kind::NoAnswer:
      log_.note(QStringLiteral("no answer within %1 ms").arg(timeoutMs_));
      return noAnswer(request.replyLength);
    case Kind::PortFailed:
      return portFailure(outcome.failure.value_or(link_.lastFailure()));
    case Kind::Sent:
    case Kind::Stopped:
      break;
  }
  return stops_.failure(where());
}

std::optional<Failure> DeviceSession::send(const Request& request) {
  if (stops_.stopped()) return stops_.failure(where());
  // Returns once the frame has left the port: the device ends it by the quiet that follows.
  const SessionOutcome outcome = run(request);
  if (outcome.kind == SessionOutcome::Kind::Sent) return std::nullopt;
  if (outcome.kind == SessionOutcome::Kind::PortFailed) {
    return portFailure(outcome.failure.value_or(link_.lastFailure()));
  }
  return stops_.failure(where());
}

}  // namespace vorlan::cli
