#pragma once
// One port for one command, on the device session: opens it as the user named it, logs the
// exchange, shows a progress bar while a reply arrives and words what went wrong with its exit
// code. The line's rules (the quiets, the time-out, the drain) are the device session's. While it
// lives, a stop signal ends its wait and refuses further requests (see StopSignals).

#include <QByteArray>
#include <QString>
#include <optional>
#include <variant>

#include "cli/exchange_log.h"
#include "cli/exit_codes.h"
#include "cli/progress_bar.h"
#include "cli/stop_signals.h"
#include "link/reply.h"
#include "link/request.h"
#include "link/session/device_session.h"
#include "link/transport/system_serial_link.h"

namespace vorlan::cli {

// PORT as the user gave it: "COM1" to "COM30" (mapped as in the window), a device path, or "auto".
// A name that looks like a COM port but is none of those is a usage error.
std::optional<Failure> CheckPortName(const QString& port);

class DeviceSession {
 public:
  // `devicePath`, when given, is the device COM `port` opens (as the finder found it).
  DeviceSession(const QString& port, int timeoutMs, ExchangeLog& log,
                const QString& devicePath = {});
  // Lets what is still queued leave the port before it closes.
  ~DeviceSession();

  // Opens the port; the first request keeps the quiet after opening (see vorlan::DeviceSession).
  std::optional<Failure> open();

  // Sends a request that awaits a reply and waits for it: the reply, or a port failure, no answer
  // within the time-out, a reply of a kind the request does not expect, or bytes that are no
  // reply. `what` names the wait on the progress bar ("Reading").
  std::variant<Reply, Failure> exchange(const Request& request, const QString& what);
  // Sends a request that awaits nothing and returns once its bytes have left the port.
  std::optional<Failure> send(const Request& request);

  const QString& port() const { return port_; }
  QString devicePath() const { return link_.devicePath(); }
  // "COM1 (/dev/pts/3)", or the path the user gave.
  QString where() const;
  // The bytes that came since the last request was sent.
  const QByteArray& received() const { return session_.received(); }

 private:
  Failure portFailure(const LinkFailure& failure) const;
  Failure noAnswer(int expected) const;
  Failure answered(ExitCode code, const QString& how, const QByteArray& received) const;
  // Runs the request on the session until its outcome; a stop signal ends the wait.
  SessionOutcome run(const Request& request);

  StopSignals stops_;  // first: the port closes before the signals are let go
  QString port_;
  QString devicePath_;
  int timeoutMs_;
  ExchangeLog& log_;
  SystemSerialLink link_;
  vorlan::DeviceSession session_;
  ProgressBar progress_;
};

}  // namespace vorlan::cli
