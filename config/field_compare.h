#pragma once
// Whether two configurations hold the same settings, field by field: for diff, and for the check
// after a write that the device keeps what it was sent.

#include <QByteArray>
#include <QString>
#include <span>
#include <vector>

#include "link/reply.h"
#include "params/parameter_set.h"

namespace vorlan {

// Two device texts are the same setting when their bytes are equal once the filler a device pads a
// short text with (blank, NUL or 0xFF) is taken off the end of each: "BG7ABC-9" is written, and
// "BG7ABC-9" and four filler bytes come back.
bool SameDeviceText(const QByteArray& a, const QByteArray& b);

// The fields among `fields` whose values differ: texts by SameDeviceText of their device bytes
// (a text that cannot go on the line as itself differs from everything), flags and codes by the
// byte they send, a device's code as it came.
std::vector<Field> DifferingFields(const ParameterSet& a, const ParameterSet& b,
                                   std::span<const Field> fields);

// The parameters whose read-back bytes do not hold what was written: texts by SameDeviceText (a
// text that cannot go on the line as itself never matches), flags and codes as the read-back
// decodes them (ReadBackParameters) by the byte they send.
std::vector<Field> MismatchedFields(const ReadBack& readBack, const ParameterSet& written);

// Every parameter, in field-table order.
std::vector<Field> AllParameters();

}  // namespace vorlan
