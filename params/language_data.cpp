#include "params/language_data.h"

namespace vorlan {

QString FieldLabelText(const LanguageData& lang, std::string_view field) {
  for (const auto& entry : lang.fieldLabels) {
    if (entry.field == field) return Text(entry.label).trimmed();
  }
  return Text(field);
}

}  // namespace vorlan
