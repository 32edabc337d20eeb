#pragma once
// The user's values judged by their fields' forms (params/text_form.h) before they are sent. Only
// the fields the user gives are judged: a value that came from the device goes back as it came.

#include <optional>
#include <span>
#include <vector>

#include "link/refusal.h"
#include "params/parameter_set.h"

namespace vorlan {

// The first of `fields`, in write-frame order, whose text is not of its field's form, as a refusal
// (WrongForm, the value as `offending`).
std::optional<Refusal> CheckForms(const ParameterSet& params, std::span<const Field> fields);

// The fields whose values differ between two sets (text, flag or kept code): what the user changed
// since the device's values were shown.
std::vector<Field> ChangedFields(const ParameterSet& now, const ParameterSet& before);

}  // namespace vorlan
