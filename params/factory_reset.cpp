#include "params/factory_reset.h"

#include <algorithm>
#include <vector>

#include "params/field_table.h"
#include "params/presets.h"

namespace vorlan {
namespace {

int ControlNumber(std::string_view control) {
  int n = 0;
  for (char c : control) {
    if (c >= '0' && c <= '9') n = n * 10 + (c - '0');
  }
  return n;
}

// The fields of one kind of control, in ascending control number.
std::vector<const FieldInfo*> ByControlNumber(FieldKind kind) {
  std::vector<const FieldInfo*> fields;
  for (const auto& f : FieldTable()) {
    if (f.kind == kind) fields.push_back(&f);
  }
  std::sort(fields.begin(), fields.end(), [](const FieldInfo* a, const FieldInfo* b) {
    return ControlNumber(a->control) < ControlNumber(b->control);
  });
  return fields;
}

}  // namespace

void FactoryReset(WindowView& view, const LanguageData& lang) {
  const ParameterSet params = FactoryParameters(lang);
  const SendFields send = FactorySendFields();

  for (const FieldInfo* f : ByControlNumber(FieldKind::Text)) {
    const QString* value = params.text(f->name);
    if (!value) value = send.text(f->name);
    view.setText(f->name, *value);
  }
  for (const FieldInfo* f : ByControlNumber(FieldKind::Flag)) {
    view.setFlag(f->name, *params.flag(f->name));
  }
  view.setText("WorkMode", params.WorkMode);
}

}  // namespace vorlan
