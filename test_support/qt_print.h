#pragma once
// Readable failure output for Qt strings in GoogleTest: printable ASCII as it is, other bytes as
// \xNN.

#include <QByteArray>
#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
  *os << '"';
  for (char c : bytes) {
    if (c >= 0x20 && c < 0x7F) {
      *os << c;
    } else {
      *os << "\\x" << QByteArray(1, c).toHex().constData();
    }
  }
  *os << '"';
}
