#pragma once
// The device's answer to a Read.

#include <QByteArray>

#include "tools/device_sim/configuration.h"

namespace vorlan::sim {

// The 400 bytes after "$1": each stored field at its position, padded with `filler` (a field
// longer than its span is cut to it); reserved spans all filler.
QByteArray ReadBackBody(const Configuration& configuration, char filler);

// "$1", the body and kReadBackTrailer filler bytes: 412 in all.
QByteArray ReadBackReply(const Configuration& configuration, char filler);

}  // namespace vorlan::sim
