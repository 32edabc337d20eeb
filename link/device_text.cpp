#include "link/device_text.h"

#include "link/device_codec.h"

namespace vorlan {
namespace {

constexpr char16_t kEscapeBase = 0xDC00;  // byte b >= 0x80 that is not GB18030 -> U+DC00 + b
constexpr const char* kDeviceCodec = "GB18030";
const char* codecName = kDeviceCodec;

bool InRange(unsigned char b, unsigned char lo, unsigned char hi) {
  return b >= lo && b <= hi;
}

// Length of the GB18030 sequence that starts at bytes[i] by its byte ranges, 0 if none fits.
qsizetype SequenceLength(const QByteArray& bytes, qsizetype i) {
  auto at = [&](qsizetype k) { return static_cast<unsigned char>(bytes[i + k]); };
  const qsizetype left = bytes.size() - i;
  if (at(0) < 0x80) return 1;
  if (!InRange(at(0), 0x81, 0xFE) || left < 2) return 0;
  if (InRange(at(1), 0x40, 0x7E) || InRange(at(1), 0x80, 0xFE)) return 2;
  if (InRange(at(1), 0x30, 0x39) && left >= 4 && InRange(at(2), 0x81, 0xFE) &&
      InRange(at(3), 0x30, 0x39)) {
    return 4;
  }
  return 0;
}

bool IsEscape(char16_t c) {
  return c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF;
}

}  // namespace

bool DeviceTextAvailable() {
  return DeviceCodec(codecName).isValid();
}

void UseDeviceCodecForTesting(const char* name) {
  codecName = name && *name ? name : kDeviceCodec;
}

QString DecodeDeviceText(const QByteArray& bytes) {
  DeviceCodec codec(codecName);
  QString text;
  text.reserve(bytes.size());
  for (qsizetype i = 0; i < bytes.size();) {
    const qsizetype length = SequenceLength(bytes, i);
    if (length == 1) {
      text += QChar(static_cast<unsigned char>(bytes[i]));
      ++i;
      continue;
    }
    if (length > 1) {
      // Only a sequence that the encoder turns back into the same bytes is taken as a character.
      const QByteArray sequence = bytes.mid(i, length);
      const std::optional<QString> decoded = codec.decode(sequence);
      if (decoded && codec.encodeExactly(*decoded) == sequence) {
        text += *decoded;
        i += length;
        continue;
      }
    }
    text += QChar(static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(bytes[i])));
    ++i;
  }
  return text;
}

QByteArray EncodeDeviceText(const QString& text) {
  DeviceCodec codec(codecName);
  QByteArray bytes;
  bytes.reserve(text.size() * 2);
  qsizetype runStart = 0;
  auto flushRun = [&](qsizetype end) {
    if (end > runStart) {
      bytes += codec.encode(QStringView(text).mid(runStart, end - runStart));
    }
  };
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    // The low half of a surrogate pair (a character beyond U+FFFF) can fall in the escape range.
    const bool paired = i > 0 && text[i - 1].isHighSurrogate();
    if (IsEscape(c) && !paired) {
      flushRun(i);
      bytes += static_cast<char>(c - kEscapeBase);
      runStart = i + 1;
    }
  }
  flushRun(text.size());
  return bytes;
}

bool EncodesExactly(const QString& text) {
  return DecodeDeviceText(EncodeDeviceText(text)) == text;
}

std::optional<QString> CharacterEncodingAny(const QString& text, std::string_view bytes) {
  for (qsizetype i = 0; i < text.size();) {
    const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    const QString character = text.mid(i, length);
    const QByteArray encoded = EncodeDeviceText(character);
    for (char b : bytes) {
      if (encoded.contains(b)) return character;
    }
    i += length;
  }
  return std::nullopt;
}

}  // namespace vorlan
