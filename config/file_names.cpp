#include "config/file_names.h"

namespace vorlan {
namespace {

constexpr char16_t kFirstStandIn = 0xDC80;
constexpr char16_t kLastStandIn = 0xDCFF;

// A low surrogate of that range after a high one is half of a character, no stand-in.
bool IsStandInAt(const QString& name, qsizetype i) {
  const char16_t c = name[i].unicode();
  return c >= kFirstStandIn && c <= kLastStandIn && !(i > 0 && name[i - 1].isHighSurrogate());
}

char StandInByte(QChar c) {
  return static_cast<char>(c.unicode() - kFirstStandIn + 0x80);
}

// The length of the well-formed UTF-8 sequence at `at` (no overlong form, no surrogate, nothing
// past U+10FFFF), or 0.
qsizetype Utf8SequenceAt(const QByteArray& bytes, qsizetype at) {
  const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) return 1;
  qsizetype length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (at + length > bytes.size()) return 0;
  if (byte(at + 1) < low || byte(at + 1) > high) return 0;
  for (qsizetype i = 2; i < length; ++i) {
    if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) return 0;
  }
  return length;
}

}  // namespace

QString FileNameFromBytes(const QByteArray& bytes) {
  QString name;
  for (qsizetype at = 0; at < bytes.size();) {
    const qsizetype length = Utf8SequenceAt(bytes, at);
    if (length == 0) {
      name += QChar(kFirstStandIn - 0x80 + static_cast<unsigned char>(bytes[at]));
      ++at;
      continue;
    }
    name += QString::fromUtf8(bytes.constData() + at, length);
    at += length;
  }
  return name;
}

QByteArray FileNameBytes(const QString& name) {
  QByteArray bytes;
  qsizetype from = 0;  // the start of the run of text not yet encoded
  for (qsizetype i = 0; i <= name.size(); ++i) {
    if (i < name.size() && !IsStandInAt(name, i)) continue;
    bytes += QStringView(name).mid(from, i - from).toUtf8();
    if (i < name.size()) bytes += StandInByte(name[i]);
    from = i + 1;
  }
  return bytes;
}

QString FileNameText(const QString& name) {
  QString text;
  for (qsizetype i = 0; i < name.size(); ++i) {
    text += IsStandInAt(name, i)
                ? QStringLiteral("\\x%1").arg(static_cast<unsigned char>(StandInByte(name[i])), 2,
                                              16, QChar('0'))
                : QString(name[i]);
  }
  return text;
}

}  // namespace vorlan
