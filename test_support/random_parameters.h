#pragma once
// Random parameter sets that the device must take as they are: head texts at their exact width,
// tail texts within their field, English and Chinese characters mixed, no frame delimiters.

#include <QRandomGenerator>
#include <QString>

#include "link/device_text.h"
#include "link/protocol.h"
#include "params/presets.h"

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

inline ParameterSet RandomParameters(QRandomGenerator& random, const BuildValues& build) {
  ParameterSet params = InitialParameters(build);
  for (const auto& f : WriteFrameHead()) {
    if (f.item == WriteItem::Text) params.setText(f.field, RandomText(random, f.width, true));
    if (f.item == WriteItem::Flag) params.setFlag(f.field, random.bounded(2) == 1);
  }
  for (const auto& f : WriteFrameTail()) {
    if (f.item == WriteItem::Text) params.setText(f.field, RandomText(random, f.width, false));
  }
  params.setText(Field::WorkMode, *WorkModeText(static_cast<int>(random.bounded(5)), build));
  return params;
}

}  // namespace vorlan::test
