#include "link/value_forms.h"

#include <algorithm>

#include "link/protocol.h"
#include "params/text_form.h"

namespace vorlan {
namespace {

bool Among(std::span<const Field> fields, Field f) {
  return std::find(fields.begin(), fields.end(), f) != fields.end();
}

}  // namespace

std::optional<Refusal> CheckForms(const ParameterSet& params, std::span<const Field> fields) {
  for (const auto& section : {WriteFrameHead(), WriteFrameTail()}) {
    for (const auto& f : section) {
      if (f.item != WriteItem::Text || !Among(fields, f.field)) continue;
      const QString& text = params.text(f.field);
      if (!HasForm(Def(f.field).form, text)) {
        return Refusal{f.field, Refusal::Rule::WrongForm, 0, 0, text};
      }
    }
  }
  return std::nullopt;
}

std::vector<Field> ChangedFields(const ParameterSet& now, const ParameterSet& before) {
  std::vector<Field> changed;
  for (const auto& f : ParameterTable()) {
    if (now.text(f.key) != before.text(f.key) || now.flag(f.key) != before.flag(f.key) ||
        now.keptCode(f.key) != before.keptCode(f.key)) {
      changed.push_back(f.key);
    }
  }
  return changed;
}

}  // namespace vorlan
