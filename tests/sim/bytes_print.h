#pragma once
// Readable failure output for bytes: printable ASCII as it is, other bytes as \xNN.

#include <QByteArray>
#include <ostream>

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
