#include "ui/work_modes.h"

namespace vorlan {

QStringList WorkModeList(const LanguageData& lang) {
  QStringList list;
  for (auto mode : lang.workModes) list << Text(mode);
  return list;
}

std::optional<char> WorkModeCode(const QString& text, const LanguageData& lang) {
  const qsizetype index = WorkModeList(lang).indexOf(text);
  if (index < 0) return std::nullopt;
  return static_cast<char>(kFirstWorkMode + index);
}

std::optional<QString> WorkModeText(char code, const LanguageData& lang) {
  if (!IsListedWorkMode(code)) return std::nullopt;
  return Text(lang.workModes[static_cast<std::size_t>(code - kFirstWorkMode)]);
}

}  // namespace vorlan
