#pragma once
// --log FILE: the serial exchange for support, one line for each piece that went out or came in:
// UTC time, direction ("->" sent, "<-" received, "--" an event), hex and the printable text.
//   2026-12-07T03:15:00.123Z -> 24 32 23 | $2#

#include <QByteArray>
#include <QFile>
#include <QString>

namespace vorlan::cli {

class ExchangeLog {
 public:
  // Appends to the file; false when it cannot be opened (error() says why).
  bool open(const QString& path);
  QString error() const { return file_.errorString(); }

  void sent(const QByteArray& bytes) { write(QStringLiteral("->"), bytes); }
  void received(const QByteArray& bytes) { write(QStringLiteral("<-"), bytes); }
  void note(const QString& text);

  // "24 32 23 | $2#": bytes outside printable ASCII show as "." in the text.
  static QString Line(const QByteArray& bytes);

 private:
  void write(const QString& direction, const QByteArray& bytes);
  QFile file_;
};

}  // namespace vorlan::cli
