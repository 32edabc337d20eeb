#pragma once
// Opening a configuration file: all or nothing. Either every value in the file is sound and the
// result holds the caller's values with the file's put in, or there is one problem naming the file,
// the place in it and what is wrong, and nothing is taken.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <variant>
#include <vector>

#include "config/config_problem.h"
#include "params/parameter_set.h"
#include "params/presets.h"

namespace vorlan {

// What the file says about where it came from, as it says it; empty where it says nothing.
struct FileOrigin {
  QString program, version, time;          // "savedBy"
  QString readPort, readDevice, readTime;  // "readFrom"
};

struct OpenedConfiguration {
  ParameterSet params;           // the caller's values with every field the file sets
  std::vector<Field> fieldsSet;  // the fields the file sets, in field-table order
  QStringList unknownKeys;       // keys this program does not know, ignored: "parameters.Colour"
  FileOrigin origin;
};

// Refused: not JSON; not an object; another "format"; a newer "version"; a value of the wrong
// type; a "hex" that is not hex; a text longer than its entry takes (in characters); a work-mode
// code outside 0 to 4; a value that the write would refuse (checked over the build's initial
// values, so the refusal always names a field of the file). A missing field keeps the base value.
std::variant<OpenedConfiguration, ConfigProblem> ReadConfiguration(const QByteArray& text,
                                                                   const QString& file,
                                                                   const ParameterSet& base,
                                                                   const BuildValues& build);

// The same, for the file at `path` (CannotRead when it cannot be read).
std::variant<OpenedConfiguration, ConfigProblem> OpenConfiguration(const QString& path,
                                                                   const ParameterSet& base,
                                                                   const BuildValues& build);

}  // namespace vorlan
