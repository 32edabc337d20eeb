#include "ui/window_controls.h"

#include "params/field_table.h"

namespace vorlan::ui {
namespace {

int ControlNumber(std::string_view control) {
  int n = 0;
  for (char c : control) {
    if (c >= '0' && c <= '9') n = n * 10 + (c - '0');
  }
  return n;
}

std::vector<Field> ByControlNumber(FieldKind kind) {
  std::vector<Field> fields;
  for (const auto& f : FieldTable()) {
    if (f.kind == kind) fields.push_back(f.key);
  }
  std::sort(fields.begin(), fields.end(), [](Field a, Field b) {
    return ControlNumber(ControlOf(a).box) < ControlNumber(ControlOf(b).box);
  });
  return fields;
}

}  // namespace

const std::vector<Field>& ShowOrder() {
  static const std::vector<Field> order = [] {
    std::vector<Field> fields = ByControlNumber(FieldKind::Text);
    for (Field f : ByControlNumber(FieldKind::Flag)) fields.push_back(f);
    fields.push_back(Field::WorkMode);
    return fields;
  }();
  return order;
}

}  // namespace vorlan::ui
