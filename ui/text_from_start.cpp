#include "ui/text_from_start.h"

#include <QComboBox>
#include <QLineEdit>

namespace vorlan::ui {

void ShowTextFromStart(QComboBox& box) {
  if (QLineEdit* edit = box.lineEdit()) edit->setCursorPosition(0);
}

void ShowPicksFromStart(QComboBox& box) {
  const auto showStart = [&box] { ShowTextFromStart(box); };
  QObject::connect(&box, &QComboBox::currentIndexChanged, &box, showStart);
  QObject::connect(&box, &QComboBox::activated, &box, showStart);
}

}  // namespace vorlan::ui
