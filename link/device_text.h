#pragma once
// How text travels on the line: GB18030 (ASCII unchanged), the code page of the device's users.
// Bytes that are not valid GB18030 (a device may pad with 0xFF, or cut a character in two at a
// field end) decode to the lone surrogates U+DC80..U+DCFF and encode back to the same byte, so a
// field read from the device goes back byte for byte.

#include <QByteArray>
#include <QString>
#include <optional>
#include <string_view>

namespace vorlan {

// Whether this system's Qt can encode and decode GB18030. Without it every text would encode to
// nothing, so nothing that carries text may be sent.
bool DeviceTextAvailable();

QByteArray EncodeDeviceText(const QString& text);
QString DecodeDeviceText(const QByteArray& bytes);

// Whether the text goes on the line as itself: its bytes decode back to the same text. Not so for
// a lone surrogate outside U+DC80..U+DCFF, which the encoder drops or replaces.
bool EncodesExactly(const QString& text);

// The first character of the text whose encoding holds one of the given bytes (a frame delimiter),
// or nullopt. A Chinese character can carry "@" or "|" as its second byte, so this looks at bytes.
std::optional<QString> CharacterEncodingAny(const QString& text, std::string_view bytes);

// Tests stand in a codec name that Qt does not know, to see the tool refuse; empty restores
// GB18030.
void UseDeviceCodecForTesting(const char* name);

}  // namespace vorlan
