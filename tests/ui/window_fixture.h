#pragma once
// A window of either build, shown and active, with its message boxes answered.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <memory>

#include "event_loop.h"
#include "recording_link.h"
#include "ui/lang/en/en_language.h"
#include "ui/lang/en/en_layout.h"
#include "ui/lang/zh/zh_language.h"
#include "ui/lang/zh/zh_layout.h"
#include "ui/main_window.h"

namespace vorlan::test {

struct Build {
  std::string name;  // "en" or "zh"
  const LanguageData& (*language)();
  const ui::WindowLayout& (*layout)();
  friend void PrintTo(const Build& build, std::ostream* os) { *os << build.name; }
};
inline const auto kBuilds = testing::Values(Build{"en", &EnglishLanguage, &ui::EnglishLayout},
                                            Build{"zh", &ChineseLanguage, &ui::ChineseLayout});
inline std::string BuildName(const testing::TestParamInfo<Build>& info) {
  return info.param.name;
}

class WindowTest : public testing::TestWithParam<Build> {
 protected:
  WindowTest() {
    QObject::connect(&boxTimer, &QTimer::timeout, [this] { answerMessageBoxes(); });
    boxTimer.start(5);
  }
  void SetUp() override {
    link.open = false;
    show(link);
  }
  void TearDown() override { window.reset(); }  // before the link it uses

  void show(DeviceLink& serial) {
    window = std::make_unique<ui::MainWindow>(serial, GetParam().language(), GetParam().layout());
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  bool english() const { return GetParam().name == "en"; }

  template <typename T = QWidget>
  T* control(const QString& name) const {
    T* found = window->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
  }
  // The text an entry box or a drop-down box shows.
  QString text(const QString& name) const {
    auto* box = qobject_cast<QComboBox*>(control(name));
    return box ? box->currentText() : control<QLineEdit>(name)->text();
  }
  // Presses the button and lets its request go out: after the quiet the line needs, and the drain
  // of a frame without an end mark; an outcome that comes from the event loop is taken by then.
  void click(const QString& name) {
    control<QAbstractButton>(name)->click();
    settle();
  }
  void settle() {
    EXPECT_TRUE(WaitUntil([&] { return !window->presenter().session().sending(); }, 2000));
    QCoreApplication::processEvents();
  }

  // Replaces what a box holds as a user types it: keys for ASCII, an input method's commit for
  // other characters.
  void retype(const QString& name, const QString& typed) {
    auto* box = qobject_cast<QComboBox*>(control(name));
    QLineEdit* entry = box ? box->lineEdit() : control<QLineEdit>(name);
    entry->setFocus();
    entry->selectAll();
    for (QChar c : typed) {
      QInputMethodEvent commit;
      commit.setCommitString(c);
      c.unicode() < 0x80 ? QTest::keyClick(entry, c.toLatin1())
                         : void(QApplication::sendEvent(entry, &commit));
    }
  }

  // Opens a drop-down box's list (the port box's unless named) and picks one of its entries, as
  // the user does.
  void pick(int row, const QString& name = "Combo1") {
    auto* box = control<QComboBox>(name);
    box->showPopup();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(box->view()->window()));
    box->view()->setCurrentIndex(box->model()->index(row, 0));
    QTest::keyClick(box->view(), Qt::Key_Return);
  }

  // Every box that opens is checked (the same for both builds), its text recorded and the box
  // closed, from a timer that also runs inside the box's event loop: no box can hang a test. A
  // question is answered as `answerYes` says.
  void answerMessageBoxes() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* box = qobject_cast<QMessageBox*>(widget);
      if (!box || !box->isVisible()) continue;
      EXPECT_EQ(box->windowTitle(), QStringLiteral("设置程序(简体)"));
      EXPECT_EQ(box->textFormat(), Qt::PlainText);
      EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
      EXPECT_TRUE(box->isModal());
      if (QAbstractButton* yes = box->button(QMessageBox::Yes)) {
        questions << box->text();
        answerYes ? yes->click() : box->button(QMessageBox::No)->click();
        continue;
      }
      messages << box->text();
      if (QAbstractButton* ok = box->button(QMessageBox::Ok)) okButtons << ok->text();
      EXPECT_EQ(box->buttons(), QList<QAbstractButton*>{box->button(QMessageBox::Ok)});
      box->reject();
    }
  }

  RecordingLink link;
  QStringList messages;   // the texts of the boxes shown, in order
  QStringList okButtons;  // the caption of each box's OK button
  QStringList questions;  // the texts of the questions asked, in order
  bool answerYes = false;
  QTimer boxTimer;
  std::unique_ptr<ui::MainWindow> window;
};

}  // namespace vorlan::test
