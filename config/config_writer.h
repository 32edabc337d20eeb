#pragma once
// Writing a configuration file: pretty-printed JSON in a fixed order (the field table's), so that
// two files diff well, and in no language (the work mode as its code).

#include <QByteArray>
#include <QString>
#include <optional>

#include "config/config_format.h"
#include "config/config_problem.h"
#include "config/whole_file.h"
#include "params/parameter_set.h"

namespace vorlan {

// The value of one parameter as it stands in a file: a text as in text_value.h, a flag true or
// false, the work mode as its number 0 to 4; a code the device sent that is none of its table's as
// a text of that one byte ("7", {"hex": "ff"}).
QString ParameterValueJson(const ParameterSet& params, Field field);

// The whole file.
QByteArray ConfigurationText(const ParameterSet& params, const SaveInfo& info);

// Saves the file whole or not at all (whole_file.h): on a full disk an existing file is kept as it
// was and the problem is CannotSave with the system's reason. Refused (NotRegularFile) when `path`
// is something other than a regular file or a link to one.
std::optional<ConfigProblem> SaveConfiguration(const QString& path, const ParameterSet& params,
                                               const SaveInfo& info,
                                               FileAccess access = FileAccess::Umask);

}  // namespace vorlan
