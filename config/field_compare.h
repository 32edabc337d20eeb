#pragma once
// Whether two configurations hold the same settings, field by field: for diff, and for the check
// after a write that the device keeps what it was sent.

#include <QByteArray>
#include <QString>
#include <span>
#include <vector>

#include "link/reply.h"
#include "params/parameter_set.h"
#include "params/presets.h"

namespace vorlan {

// Two device texts are the same setting when their bytes are equal once the filler a device pads a
// short text with (blank, NUL or 0xFF) is taken off the end of each: "BG7ABC-9" is written, and
// "BG7ABC-9" and four filler bytes come back.
bool SameDeviceText(const QByteArray& a, const QByteArray& b);

// The fields among `fields` whose values differ: texts by SameDeviceText of their device bytes
// (a text that cannot go on the line as itself differs from everything), flags and the work mode
// by the byte they send, a kept code as it came (a work-mode text without a code by its text).
std::vector<Field> DifferingFields(const ParameterSet& a, const ParameterSet& b,
                                   const BuildValues& build, std::span<const Field> fields);

// The parameters whose read-back bytes do not hold what was written: texts by SameDeviceText (a
// text that cannot go on the line as itself never matches), a flag by "1" for on and anything else
// for off, an enable code by 0 for off and 1 or 2 for on (anything else never matches), the work
// mode by its digit, a kept code by its byte.
std::vector<Field> MismatchedFields(const ReadBack& readBack, const ParameterSet& written,
                                    const BuildValues& build);

// What a read-back holds for a field, as a file shows a value; a code outside its table as the
// JSON string of the byte that came.
QString ReadBackValueJson(const ReadBack& readBack, Field field, const BuildValues& build);

// Every parameter, in field-table order.
std::vector<Field> AllParameters();

}  // namespace vorlan
