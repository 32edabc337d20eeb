#pragma once
// The simulated device's stored configuration: the bytes of every field as the last accepted write
// frame carried them, read back padded to each field's width with the device's filler byte.

#include <QByteArray>
#include <QString>
#include <map>
#include <optional>
#include <string>

namespace vorlan::sim {

// Field name (as in the write frame and read-back tables) -> stored bytes. Flags and codes are
// their one character ("1", "0", "2", the work-mode digit).
using Configuration = std::map<std::string, QByteArray, std::less<>>;

// What the device holds before anything is written to it. Every field differs from the tool's
// start values, so a Read visibly changes all of them.
Configuration DefaultConfiguration();

struct ParsedFrame {
  std::optional<Configuration> configuration;  // every field, when the frame is sound
  QString problem;                             // why not, for the log
};

// Parses a write frame ("$0", head, "&", twelve tail fields each closed by "|", "#"). Head fields
// are cut by their fixed widths; a head of the wrong length, a flag or code outside its values, a
// reserved filler that differs, a tail text longer than its read-back field or a wrong number of
// tail fields makes the frame unsound.
ParsedFrame ParseWriteFrame(const QByteArray& frame);

// The 400 bytes of the read-back after "$" and the kind: every field at its width, texts padded
// with `filler`, reserved spans all filler.
QByteArray ReadBackBody(const Configuration& configuration, char filler);

}  // namespace vorlan::sim
