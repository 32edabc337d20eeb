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
// false, the work mode as its code. A work-mode text without a code comes out as a JSON string (for
// showing only: a file never holds one).
QString ParameterValueJson(const ParameterSet& params, Field field, const BuildValues& build);

// The whole file. Refused (NoWorkModeCode, naming `file`) when the work mode is none of the build's
// list texts: a file keeps the work mode as the device's code, and a typed text has none.
std::variant<QByteArray, ConfigProblem> ConfigurationText(const ParameterSet& params,
                                                          const BuildValues& build,
                                                          const SaveInfo& info,
                                                          const QString& file);

// Writes the file through a temporary file in the same folder that is renamed into place, so an
// existing file is either kept whole or replaced whole.
std::optional<ConfigProblem> SaveConfiguration(const QString& path, const ParameterSet& params,
                                               const BuildValues& build, const SaveInfo& info);

}  // namespace vorlan
