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
  // The file holds a read-back as the device sent it ("readFrom"): its values are the device's
  // own, not the user's, and are not judged by their fields' forms.
  bool readBack = false;
};

// A configuration is about 2 KB; a file larger than this is none.
inline constexpr qint64 kConfigFileLimit = 1024 * 1024;

// Refused: not JSON; a key twice in one object; not an object; another "format"; a newer
// "version"; a value of the wrong type; a "hex" that is not hex; a text with a lone surrogate; a
// text longer than its field (in bytes on the line); a work-mode number outside 0 to 4; unless the
// file holds a read-back, a value not of its field's form (a number, a latitude, ...); a value
// that the write would refuse (checked over the build's initial values, so the refusal always
// names a field of the file). A missing field keeps the base value. The work mode and the server
// enables also take the device's own code, a text of one byte ("7"), kept as it came when it is
// none of their table's.
std::variant<OpenedConfiguration, ConfigProblem> ReadConfiguration(const QByteArray& text,
                                                                   const QString& file,
                                                                   const ParameterSet& base,
                                                                   const BuildValues& build);

// The same, for the file at `path`: CannotRead when it cannot be read, NotRegularFile for anything
// but a regular file (or a link to one), TooBig beyond kConfigFileLimit, all before reading it.
std::variant<OpenedConfiguration, ConfigProblem> OpenConfiguration(const QString& path,
                                                                   const ParameterSet& base,
                                                                   const BuildValues& build);

}  // namespace vorlan
