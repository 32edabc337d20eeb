#pragma once
// A button and a check box whose caption wraps within the control, as the window's design expects
// ("Send instruction" stands on two lines in its button). Captions that fit stay on one line.

#include <QCheckBox>
#include <QPushButton>

namespace vorlan::ui {

class WrappingButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

class WrappingCheckBox : public QCheckBox {
 public:
  using QCheckBox::QCheckBox;

 protected:
  void paintEvent(QPaintEvent* event) override;
  // The whole control answers a click, also the caption's second line.
  bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

}  // namespace vorlan::ui
