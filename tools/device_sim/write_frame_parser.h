#pragma once
// Reads a write frame the way the device does and says what it would store.

#include <QByteArray>
#include <QString>
#include <optional>

#include "tools/device_sim/configuration.h"

namespace vorlan::sim {

struct ParsedFrame {
  std::optional<Configuration> configuration;  // all 44 fields, when the device takes the frame
  QString problem;                             // why not, for the log
};

// The device takes a frame only when all of this holds, and otherwise answers "$5":
// - it begins "$0" and ends "#";
// - its first "&" stands at column 95, so lead and head are 94 columns;
// - each one-byte code is one the device knows: flags "0"/"1", the second server's flag "0"/"2",
//   the work mode "0" to "4";
// - the reserved marks hold exactly their bytes: "xxx" at columns 61-63, "xxxxxx" at 73-78, and in
//   the tail "1234567890123456" (8th field) and "x" (11th field); the device finds its place in
//   the frame by them;
// - between "&" and "#" stand exactly twelve fields, each closed by "|";
// - no tail text is longer than the device stores of it (its read-back width).
// Head texts are taken by column, whatever their bytes; tail texts as they stand.
ParsedFrame ParseWriteFrame(const QByteArray& frame);

}  // namespace vorlan::sim
