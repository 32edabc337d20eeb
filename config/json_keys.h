#pragma once
// A key given twice in one JSON object: the JSON reader keeps one of the two without a word, so a
// file that says two things about one value would be taken as saying one.

#include <QByteArray>
#include <QString>
#include <optional>

namespace vorlan {

// The first key that stands twice in one object of a well-formed JSON text, with the keys of the
// objects around it: "parameters.Callsign". Nothing when every key is single.
std::optional<QString> FirstDuplicateKey(const QByteArray& json);

}  // namespace vorlan
