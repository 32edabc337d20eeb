#pragma once
// A button and a check box whose caption wraps within the control, as the window's design expects
// ("Send instruction" stands on two lines in its button). Captions that fit stay on one line; one
// that does not is broken where a line may break, into lines of even width, so that "发送指令"
// stands as "发送" over "指令" rather than "发送指" over "令".

#include <QCheckBox>
#include <QPushButton>

class QFontMetrics;

namespace vorlan::ui {

// The caption as drawn in `width` pixels: unchanged when it fits on one line, else with one line
// break at the place that makes the longer line shortest. "&&" stands for one "&".
QString BalancedCaption(const QString& caption, const QFontMetrics& metrics, int width);

// Text flags the captions are drawn with.
inline constexpr int kCaptionFlags = Qt::TextWordWrap | Qt::TextShowMnemonic;

class WrappingButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

  QRect captionArea() const;     // inside the side frames, the full height
  QString shownCaption() const;  // the caption with the line breaks it is drawn with

 protected:
  void paintEvent(QPaintEvent* event) override;
};

class WrappingCheckBox : public QCheckBox {
 public:
  using QCheckBox::QCheckBox;

  QRect captionArea() const;  // right of the box, to the control's right edge
  QString shownCaption() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  // The whole control answers a click, also the caption's second line.
  bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

}  // namespace vorlan::ui
