#include "cli/exchange_log.h"

#include <QDateTime>

namespace vorlan::cli {
namespace {

QString Now() {
  return QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
}

}  // namespace

bool ExchangeLog::open(const QString& path) {
  file_.setFileName(path);
  return file_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text);
}

QString ExchangeLog::Line(const QByteArray& bytes) {
  QString text;
  for (char c : bytes) text += c >= 0x20 && c < 0x7F ? QChar(c) : QChar('.');
  return QString::fromLatin1(bytes.toHex(' ')) + QStringLiteral(" | ") + text;
}

void ExchangeLog::note(const QString& text) {
  if (!file_.isOpen()) return;
  file_.write((Now() + QStringLiteral(" -- ") + text + '\n').toUtf8());
  file_.flush();
}

void ExchangeLog::write(const QString& direction, const QByteArray& bytes) {
  if (!file_.isOpen()) return;
  file_.write((Now() + ' ' + direction + ' ' + Line(bytes) + '\n').toUtf8());
  file_.flush();
}

}  // namespace vorlan::cli
