#pragma once
// --log FILE: the serial exchange for support, one line for each piece that went out or came in:
// UTC time, direction ("->" sent, "<-" received, "--" an event), hex and the printable text.
//   2026-12-07T03:15:00.123Z -> 24 32 23 | $2#
// The passwords show as "**" in the hex and "*" in the text (log_secrets.h), as the log's first
// line says; the rest of the exchange is there as it went, so a new log is readable by its owner
// alone. "-" is standard error.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <vector>

#include "cli/log_secrets.h"

namespace vorlan::cli {

class ExchangeLog {
 public:
  ExchangeLog() = default;
  ExchangeLog(const ExchangeLog&) = delete;
  ExchangeLog& operator=(const ExchangeLog&) = delete;
  ~ExchangeLog();

  // Appends to the file, or writes to standard error for "-". Neither opening nor a write waits
  // longer than `timeoutMs` (a FIFO no program reads, a full pipe). False when it cannot be opened
  // or is no file, FIFO or character device; failure() says why.
  bool open(const QString& path, int timeoutMs);
  // Why the log could not be opened or lost a line (the first loss; nothing more is written after
  // it), else empty.
  const QString& failure() const { return failure_; }

  void sent(const QByteArray& bytes);
  void received(const QByteArray& bytes);
  void note(const QString& text);

  // "24 32 23 | $2#": bytes outside printable ASCII show as "." in the text, the `secret` ones as
  // "**" and "*".
  static QString Line(const QByteArray& bytes, const std::vector<bool>& secret = {});

 private:
  bool openStream(const QString& path);
  bool isOpen() const;
  void write(const QString& direction, const QByteArray& bytes, const std::vector<bool>& secret);
  void append(const QByteArray& line);

  SecretBytesReceived secretsReceived_;
  QString failure_;
  int timeoutMs_ = 0;
#ifdef Q_OS_UNIX
  int fd_ = -1;
  bool ownsFd_ = false;
#else
  QFile file_;
#endif
};

}  // namespace vorlan::cli
