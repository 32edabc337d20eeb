#pragma once
// Opening a configuration file: all or nothing. Either every value in the file is sound and the
// result holds the caller's values with the file's put in, or there is one problem naming the file,
// the place in it and what is wrong, and nothing is taken.

#include <QByteArray>
#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <span>
#include <variant>
#include <vector>

#include "config/config_problem.h"
#include "params/parameter_set.h"

namespace vorlan {

// What the file says about where it came from, as it says it; empty where it says nothing.
struct FileOrigin {
  QString program, version, time;          // "savedBy"
  QString readPort, readDevice, readTime;  // "readFrom"
  QString readDigest;  // "readFrom": the tags of the read-back's values (read_back_digest.h)
};

struct OpenedConfiguration {
  ParameterSet params;           // the caller's values with every field the file sets
  std::vector<Field> fieldsSet;  // the fields the file sets, in field-table order
  QStringList unknownKeys;       // keys this program does not know, ignored: "parameters.Colour"
  FileOrigin origin;
  // The fields whose values the file proves are the device's own: it was saved from a read-back
  // and the value still matches its tag there. They go back as they came, unjudged by their
  // fields' forms; every other field the file sets is the user's.
  std::vector<Field> deviceFields;

  // The fields the file sets that are not proven the device's, in field-table order.
  std::vector<Field> userFields() const;
};

// Who judges the forms of the user's values (a number, a latitude, ...): the reader, refusing
// the file, or the sender, once it knows what the device holds (JudgeUserValues).
enum class FormJudging { OnOpen, BySender };

// A configuration is about 2 KB; a file larger than this is none.
inline constexpr qint64 kConfigFileLimit = 1024 * 1024;

// Refused: not JSON (a raw control character inside a string included); a key twice in one
// object; not an object; another "format"; a newer "version"; a value of the wrong type; a "hex"
// that is not hex; a text with a lone surrogate; a text longer than its field (in bytes on the
// line); a work-mode number outside 0 to 4; a head field that does not fill its width; when
// judged on open, a user's value not of its field's form. A frame delimiter in a value does not
// refuse the file: a device may hold one, and only sending it is refused. The widths are checked
// over the initial values, so a refusal always names a field of the file. A missing field keeps
// the base value. The work mode and the server enables also take the device's own code, a text
// of one byte ("7"), kept as it came when it is none of their table's.
std::variant<OpenedConfiguration, ConfigProblem> ReadConfiguration(
    const QByteArray& text, const QString& file, const ParameterSet& base,
    FormJudging judging = FormJudging::OnOpen);

// The sender's judgement of a file opened with FormJudging::BySender: the first user's value not
// of its field's form, as the WriteRefusal the reader would give. A value that sends the bytes
// `deviceHolds` holds (what the device holds now) is the device's own and not judged.
std::optional<ConfigProblem> JudgeUserValues(const OpenedConfiguration& opened, const QString& file,
                                             const ParameterSet& deviceHolds);

// One parameter's value as a file holds it: a text (or text and hex), true or false, a work-mode
// number or a device's one-byte code.
struct FieldValue {
  Field field;
  QJsonValue value;
};

// Values given one by one (vorlan_cli's --set), each read and the whole checked by the rules of a
// file's "parameters", every one of them the user's; a problem names `source` and the key
// "parameters.<field>".
std::variant<OpenedConfiguration, ConfigProblem> ReadValues(std::span<const FieldValue> values,
                                                            const QString& source,
                                                            const ParameterSet& base);

// The same as ReadConfiguration, for the file at `path`: CannotRead when it cannot be read,
// NotRegularFile for anything but a regular file (or a link to one), TooBig beyond
// kConfigFileLimit, all before reading it.
std::variant<OpenedConfiguration, ConfigProblem> OpenConfiguration(
    const QString& path, const ParameterSet& base, FormJudging judging = FormJudging::OnOpen);

}  // namespace vorlan
