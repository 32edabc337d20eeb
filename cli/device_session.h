#pragma once
// One port for one command: opens it as the user named it, sends requests and waits for each reply
// no longer than the time-out, logs the exchange and shows a progress bar while a reply arrives.
// While it lives, a stop signal ends its wait and refuses further requests (see StopSignals).

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>
#include <optional>
#include <variant>

#include "cli/exchange_log.h"
#include "cli/exit_codes.h"
#include "cli/progress_bar.h"
#include "cli/stop_signals.h"
#include "link/reply.h"
#include "link/request.h"
#include "link/transport/system_serial_link.h"

namespace vorlan::cli {

// PORT as the user gave it: "COM1" to "COM30" (mapped as in the window), a device path, or "auto".
// A name that looks like a COM port but is none of those is a usage error.
std::optional<Failure> CheckPortName(const QString& port);

// The device tells where a frame without an end mark (an instruction, a message) ends only by the
// quiet after it: no request follows one within this time, whoever sent it.
inline constexpr int kQuietAfterFrameMs = 100;

class DeviceSession {
 public:
  // `devicePath`, when given, is the device COM `port` opens (as the finder found it).
  DeviceSession(const QString& port, int timeoutMs, ExchangeLog& log,
                const QString& devicePath = {});
  // Lets what is still queued leave the port before it closes.
  ~DeviceSession();

  // Opens the port, then keeps the line quiet for kQuietAfterFrameMs before the first request: a
  // frame another program sent just before may still be waiting for its quiet.
  std::optional<Failure> open();

  // Sends a request that awaits a reply and waits for it: the reply, or a port failure, or no
  // answer within the time-out. `what` names the wait on the progress bar ("Reading").
  std::variant<Reply, Failure> exchange(const Request& request, const QString& what);
  // Sends a request that awaits nothing and returns once its bytes have left the port.
  std::optional<Failure> send(const Request& request);

  const QString& port() const { return port_; }
  QString devicePath() const { return link_.devicePath(); }
  // "COM1 (/dev/pts/3)", or the path the user gave.
  QString where() const;
  // The bytes that came since the last request was sent.
  const QByteArray& received() const { return received_; }

 private:
  Failure portFailure(const LinkFailure& failure) const;
  Failure noAnswer(int expected) const;
  // Sends the bytes after the quiet a frame before them needs; a frame without an end mark is
  // drained and followed by its own quiet. After a stop signal nothing more is sent.
  std::optional<Failure> sendAfterQuiet(const Request& request);

  StopSignals stops_;  // first: the port closes before the signals are let go
  QString port_;
  QString devicePath_;
  int timeoutMs_;
  ExchangeLog& log_;
  SystemSerialLink link_;
  ProgressBar progress_;
  QByteArray received_;
  QDeadlineTimer quietUntil_{0};  // no frame before the port is open
};

}  // namespace vorlan::cli
