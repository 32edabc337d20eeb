#pragma once
// Why a configuration file could not be opened or saved, or a backup not kept, as a value: each
// front end words it in its own language.

#include <QString>
#include <optional>

#include "link/refusal.h"
#include "params/field.h"

namespace vorlan {

// What a value in a file should have been.
enum class ValueType {
  Object,        // {...}
  String,        // "..."
  Version,       // a whole number, 1 or more
  Flag,          // true or false
  WorkModeCode,  // a whole number 0 to 4, or the device's own code: a text of one byte
  Text,          // "..." or {"text": "...", "hex": "..."}
  EnableCode,    // true or false, or the device's own code: a text of one byte
};

struct ConfigProblem {
  enum class Kind {
    CannotRead,        // the file could not be read: `detail` is the system's reason
    NotRegularFile,    // `file` exists but is no regular file (a device, a FIFO, a folder)
    TooBig,            // the file has `found` bytes, more than the `limit` a configuration needs
    NotJson,           // `detail` is the parser's reason, `found` the byte offset
    DuplicateKey,      // `key` stands twice in one object
    NotConfiguration,  // not an object, or "format" is missing or another (`detail`: what it says)
    NewerVersion,      // `found` is the file's version, `limit` the newest this program reads
    WrongType,         // the value at `key` is not `expected`
    BadHex,            // the "hex" at `key` is not an even run of hex digits (`detail`)
    NotText,           // the text at `key` holds a lone surrogate (`found`: its index): no
                       // character, so it would reach the device as other bytes
    TooLong,           // the text at `key` takes `found` bytes on the line, its field `limit`
    NoWorkModeCode,    // the file's work mode is a number outside 0 to 4 (`detail`)
    WriteRefusal,      // the write would refuse the value at `key`: `refusal` says why
    CannotSave,        // the file could not be written: `detail` is the system's reason
    CannotMakeFolder,  // the folder `file` could not be made: `detail`
    CannotRemove,      // an old backup (`key` is its name) could not be removed: `detail`
    NoBackupFolder,    // no usable home folder (HOME, XDG_DATA_HOME): no backup can be made
    ForeignFolder,     // the folder `file` is another user's, or (`found` 1) a link to a folder
                       // of another user or to no folder: left as it is, no backup kept there
  };

  Kind kind;
  QString file;      // the path as the caller gave it
  QString key = {};  // where in the file, e.g. "parameters.Callsign"; empty: the whole file
  std::optional<Field> field = {};  // the parameter at `key`, if it is one
  QString detail = {};
  qint64 found = 0;
  qint64 limit = 0;
  ValueType expected = ValueType::Object;
  std::optional<Refusal> refusal = {};

  bool operator==(const ConfigProblem&) const = default;
};

}  // namespace vorlan
