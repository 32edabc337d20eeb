#pragma once
// What Qt's JSON reader lets pass without a word. A key given twice in one object: it keeps one of
// the two, so a file that says two things about one value would be taken as saying one. A raw
// control character inside a string: it takes it, though JSON does not.

#include <QByteArray>
#include <QString>
#include <optional>

namespace vorlan {

// The first key that stands twice in one object of a well-formed JSON text, with the keys of the
// objects around it: "parameters.Callsign". Nothing when every key is single.
std::optional<QString> FirstDuplicateKey(const QByteArray& json);

// The byte offset of the first byte 0x00 to 0x1F inside a string literal of a well-formed JSON
// text (JSON wants it escaped: "\u0007"); nothing when there is none.
std::optional<qsizetype> FirstRawControlInString(const QByteArray& json);

}  // namespace vorlan
