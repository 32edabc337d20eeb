#pragma once
// Answers the window's message boxes: while it lives, every open QMessageBox is recorded and its OK
// button pressed, from a timer that also runs inside the box's own event loop. A test that expects
// no box sees an empty list; one that forgets a box cannot hang.

#include <QAbstractButton>
#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QTimer>

namespace vorlan::test {

struct SeenMessage {
  QString title;
  QString text;
  QMessageBox::Icon icon;
  int buttonCount;
  bool okButton;
  bool modal;
  Qt::TextFormat format;
};

class MessageCatcher {
 public:
  MessageCatcher() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
    timer_.start();
  }

  QList<SeenMessage> seen;

  QStringList texts() const {
    QStringList all;
    for (const auto& m : seen) all << m.text;
    return all;
  }

 private:
  void answer() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* box = qobject_cast<QMessageBox*>(widget);
      if (!box || !box->isVisible()) continue;
      seen.append({box->windowTitle(), box->text(), box->icon(),
                   static_cast<int>(box->buttons().size()), box->button(QMessageBox::Ok) != nullptr,
                   box->isModal(), box->textFormat()});
      if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
        ok->click();
      } else {
        box->reject();
      }
    }
  }

  QTimer timer_;
};

}  // namespace vorlan::test
