#pragma once
// How a text parameter stands in a file, so that it goes back to the device byte for byte.
//
// A text whose characters are all printable, and that the device's encoding (GB18030) gives back
// unchanged, is a plain JSON string: "NOCALL-9". Any other text (one that holds bytes that are not
// text: NUL or 0xFF filler, a character cut in two at the field's end, control characters) is an
// object {"text": "NOCALL-9", "hex": "00000000"}: its device bytes are the GB18030 encoding of
// "text" followed by the bytes spelled in "hex" (two hex digits a byte). The writer puts the
// longest printable start of the text in "text" and the rest in "hex"; a reader takes either key
// alone as well.

#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <variant>

#include "config/config_problem.h"

namespace vorlan {

// A JSON string literal, quotes included, as QJsonDocument escapes it (non-ASCII kept as UTF-8).
QString JsonString(const QString& text);

// The value of a text as it stands in a file, on one line.
QString TextValueJson(const QString& text);

// The same as a JSON value, for a document of its own: a plain string, or the object.
QJsonValue TextValue(const QString& text);

// The text a file's value stands for, as the window holds it (bytes that are not text as the lone
// surrogates U+DC80..U+DCFF). `key` and `file` name the value in a problem; keys of the object
// other than "text" and "hex" are added to `unknownKeys` as "<key>.<name>". A string or "text"
// part that holds a surrogate which is half of no pair is refused (NotText): bytes that are not
// text belong in "hex".
std::variant<QString, ConfigProblem> ReadTextValue(const QJsonValue& value, const QString& key,
                                                   const QString& file, QStringList& unknownKeys);

}  // namespace vorlan
