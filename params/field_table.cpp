#include "params/field_table.h"

namespace vorlan {

std::optional<Field> FieldNamed(std::string_view name) {
  for (const auto& f : FieldTable()) {
    if (f.name == name) return f.key;
  }
  return std::nullopt;
}

}  // namespace vorlan
