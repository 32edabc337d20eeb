#include "ui/wrapping_controls.h"

#include <QFontMetrics>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <limits>

namespace vorlan::ui {
namespace {

int LineWidth(const QFontMetrics& metrics, const QString& line) {
  return metrics.size(Qt::TextShowMnemonic, line).width();
}

// The style draws the control without its caption; the caption is then drawn in `area`.
void PaintWithCaption(QWidget& control, QStyleOptionButton option, QStyle::ControlElement element,
                      const QRect& area, int align, const QString& caption,
                      QPalette::ColorRole role) {
  QStylePainter painter(&control);
  option.text.clear();
  painter.drawControl(element, option);
  painter.drawItemText(area, align | kCaptionFlags, control.palette(), control.isEnabled(), caption,
                       role);
}

}  // namespace

QString BalancedCaption(const QString& caption, const QFontMetrics& metrics, int width) {
  if (LineWidth(metrics, caption) <= width) return caption;
  QString best = caption;  // no break place: Qt's own wrap
  int bestWidth = std::numeric_limits<int>::max();
  QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, caption);
  for (qsizetype at = breaks.toNextBoundary(); at > 0 && at < caption.size();
       at = breaks.toNextBoundary()) {
    const QString first = caption.left(at).trimmed();
    const QString second = caption.mid(at).trimmed();
    const int longer = std::max(LineWidth(metrics, first), LineWidth(metrics, second));
    if (longer < bestWidth) {
      bestWidth = longer;
      best = first + QLatin1Char('\n') + second;
    }
  }
  return best;
}

QRect WrappingButton::captionArea() const {
  QStyleOptionButton option;
  initStyleOption(&option);
  // Two lines fill the whole height of a low button; the lines' own leading keeps them off the
  // frame.
  const int border = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
  return rect().adjusted(border, 0, -border, 0);
}

QString WrappingButton::shownCaption() const {
  return BalancedCaption(text(), fontMetrics(), captionArea().width());
}

void WrappingButton::paintEvent(QPaintEvent*) {
  QStyleOptionButton option;
  initStyleOption(&option);
  PaintWithCaption(*this, option, QStyle::CE_PushButton, captionArea(), Qt::AlignCenter,
                   shownCaption(), QPalette::ButtonText);
}

QRect WrappingCheckBox::captionArea() const {
  QStyleOptionButton option;
  initStyleOption(&option);
  QRect area = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
  area.setRight(rect().right());
  return area;
}

QString WrappingCheckBox::shownCaption() const {
  return BalancedCaption(text(), fontMetrics(), captionArea().width());
}

void WrappingCheckBox::paintEvent(QPaintEvent*) {
  QStyleOptionButton option;
  initStyleOption(&option);
  PaintWithCaption(*this, option, QStyle::CE_CheckBox, captionArea(),
                   Qt::AlignLeft | Qt::AlignVCenter, shownCaption(), QPalette::WindowText);
}

}  // namespace vorlan::ui
