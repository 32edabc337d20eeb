#include "ui/wrapping_controls.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace vorlan::ui {
namespace {

constexpr int kCaptionFlags = Qt::TextWordWrap | Qt::TextShowMnemonic;

}  // namespace

// The style draws the control without its caption; the caption is then drawn wrapped.
void WrappingButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString caption = option.text;
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButton, option);
  const int border = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
  painter.drawItemText(rect().adjusted(border, border, -border, -border),
                       Qt::AlignCenter | kCaptionFlags, palette(), isEnabled(), caption,
                       QPalette::ButtonText);
}

void WrappingCheckBox::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString caption = option.text;
  option.text.clear();
  painter.drawControl(QStyle::CE_CheckBox, option);
  QRect area = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
  area.setRight(rect().right());
  painter.drawItemText(area, Qt::AlignLeft | Qt::AlignVCenter | kCaptionFlags, palette(),
                       isEnabled(), caption, QPalette::WindowText);
}

}  // namespace vorlan::ui
