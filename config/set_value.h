#pragma once
// A value typed as text (vorlan_cli's --set, a cell of a device table) as a configuration file
// would hold it, so that the file's rules read it.

#include <QJsonValue>
#include <QString>
#include <optional>

#include "params/field.h"

namespace vorlan {

// The types a text can spell: a text as it is; a flag true or false, a server enable also the
// device's one-byte code ("2"); the work mode a code "0" to "4", or the device's one-byte code,
// exactly one byte either way. Nothing when the text is none of these.
std::optional<QJsonValue> SetValue(Field field, const QString& value);

}  // namespace vorlan
