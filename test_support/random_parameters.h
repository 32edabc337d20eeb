#pragma once
// Random parameter sets that the device must take as they are: head texts at their exact width and
// of their field's form (numbers, positions, frequencies), tail texts within their field, English
// and Chinese characters mixed, no frame delimiters.

#include <QRandomGenerator>
#include <QString>

#include "link/device_text.h"
#include "link/protocol.h"
#include "params/presets.h"
#include "params/text_form.h"

namespace vorlan::test {

inline QString RandomText(QRandomGenerator& random, int bytes, bool exact) {
  static const QString ascii =
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-./:, ");
  static const QString chinese = QString::fromUtf8("北京上海广州深圳频道收发信标中继测试电台模拟");
  const int target = exact ? bytes : static_cast<int>(random.bounded(bytes + 1));
  QString text;
  int used = 0;
  while (used < target) {
    if (target - used >= 2 && random.bounded(3) == 0) {
      text += chinese[static_cast<qsizetype>(random.bounded(static_cast<int>(chinese.size())))];
      used += 2;
    } else {
      text += ascii[static_cast<qsizetype>(random.bounded(static_cast<int>(ascii.size())))];
      used += 1;
    }
  }
  return text;
}

inline QString RandomDigits(QRandomGenerator& random, int count, int below = 10) {
  QString digits;
  for (int i = 0; i < count; ++i) digits += QChar('0' + random.bounded(i == 0 ? below : 10));
  return digits;
}

// A value of the field's form at the width the head gives it.
inline QString RandomHeadText(QRandomGenerator& random, Field field, int width) {
  auto minutes = [&] { return RandomDigits(random, 2, 6) + '.' + RandomDigits(random, 2); };
  switch (Def(field).form) {
    case TextForm::Number:
      return RandomDigits(random, width);
    case TextForm::Latitude:
      return RandomDigits(random, 2, 9) + minutes() + (random.bounded(2) ? 'N' : 'S');
    case TextForm::Longitude:
      return '1' + RandomDigits(random, 2, 8) + minutes() + (random.bounded(2) ? 'E' : 'W');
    case TextForm::Frequency:  // within the 2 m band: no warning
      return QStringLiteral("14") + RandomDigits(random, 1) + '.' + RandomDigits(random, 3);
    case TextForm::Free:
      break;
  }
  return RandomText(random, width, true);
}

inline ParameterSet RandomParameters(QRandomGenerator& random, const BuildValues& build) {
  ParameterSet params = InitialParameters(build);
  for (const auto& f : WriteFrameHead()) {
    if (f.item == WriteItem::Text)
      params.setText(f.field, RandomHeadText(random, f.field, f.width));
    if (f.item == WriteItem::Flag) params.setFlag(f.field, random.bounded(2) == 1);
  }
  for (const auto& f : WriteFrameTail()) {
    if (f.item == WriteItem::Text) params.setText(f.field, RandomText(random, f.width, false));
  }
  params.setText(Field::WorkMode, *WorkModeText(static_cast<int>(random.bounded(5)), build));
  return params;
}

}  // namespace vorlan::test
