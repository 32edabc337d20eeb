#pragma once
// Whether a value can be what its field holds: a number, a latitude, a longitude or a frequency in
// the notation the device reads. A value read from a device is kept as it came whatever it holds;
// these rules judge only what the user is about to send.

#include <QString>

#include "params/field_table.h"

namespace vorlan {

// Number: the digits 0-9 only, at least one. Latitude: DDMM.mm then N or S, degrees 0-90, minutes
// below 60, at most 90 degrees in all. Longitude: DDDMM.mm then E or W, degrees 0-180, minutes
// below 60, at most 180 degrees in all. Frequency: ddd.ddd. Free: anything.
bool HasForm(TextForm form, const QString& text);

}  // namespace vorlan
