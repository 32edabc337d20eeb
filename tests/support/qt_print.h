#pragma once
// Readable failure output for Qt strings in GoogleTest.

#include <QByteArray>
#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
  *os << '"';
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0x20 && b < 0x7F) {
      *os << c;
    } else {
      static constexpr char kHex[] = "0123456789abcdef";
      *os << "\\x" << kHex[b >> 4] << kHex[b & 0xF];
    }
  }
  *os << '"';
}
