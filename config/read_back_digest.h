#pragma once
// A file saved from a read-back proves which of its values are still the device's own: each
// parameter has a short tag of the bytes the device sent for it. A value edited by hand no longer
// matches its tag and is the user's, judged like any value the user gives. The tags guard against
// honest edits, not against forgery.

#include <QString>
#include <span>
#include <vector>

#include "params/parameter_set.h"

namespace vorlan {

// The tags of every parameter in field-table order, as hex: for each, the first four bytes of
// SHA-256 over the field's name, a NUL and the bytes it sends the device (FieldBytes).
QString ReadBackDigest(const ParameterSet& params);

// The fields among `fields` whose values in `params` match their tag in `digest`; none when the
// digest is not one (wrong length, not hex).
std::vector<Field> FieldsMatchingDigest(const QString& digest, const ParameterSet& params,
                                        std::span<const Field> fields);

}  // namespace vorlan
