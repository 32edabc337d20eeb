#pragma once
// Writing a configuration file: pretty-printed JSON in a fixed order (the field table's), so that
// two files diff well, and independent of the build's language (the work mode as its code).

#include <QByteArray>
#include <QString>
#include <optional>
#include <variant>

#include "config/config_format.h"
#include "config/config_problem.h"
#include "params/parameter_set.h"
#include "params/presets.h"

namespace vorlan {

// The value of one parameter as it stands in a file: a text as in text_value.h, a flag true or
// false, the work mode as its code; a code the device sent that is none of its table's as a text
// of that one byte ("7", {"hex": "ff"}). A work-mode text without a code comes out as a JSON string
// (for showing only: a file never holds one).
QString ParameterValueJson(const ParameterSet& params, Field field, const BuildValues& build);

// The whole file. Refused (NoWorkModeCode, naming `file`) when the work mode is none of the build's
// list texts and no kept code: a file keeps the work mode as the device's code, and a typed text
// has none.
std::variant<QByteArray, ConfigProblem> ConfigurationText(const ParameterSet& params,
                                                          const BuildValues& build,
                                                          const SaveInfo& info,
                                                          const QString& file);

// Who may read a new file: as the user's umask allows (a file the user saves), or the user alone
// (a backup: it holds passwords). An existing file keeps its permissions.
enum class FileAccess { Umask, UserOnly };

// Writes the file through a temporary file in the same folder that is renamed into place, so an
// existing file is either kept whole or replaced whole. Refused (NotRegularFile) when `path` is
// something other than a regular file or a link to one.
std::optional<ConfigProblem> SaveConfiguration(const QString& path, const ParameterSet& params,
                                               const BuildValues& build, const SaveInfo& info,
                                               FileAccess access = FileAccess::Umask);

}  // namespace vorlan
