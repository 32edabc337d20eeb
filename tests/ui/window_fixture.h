#pragma once
// A window of either build over a recording link, shown and active, with its message boxes
// answered.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <memory>
#include <ostream>
#include <string>

#include "message_catcher.h"
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
};

inline const Build kEnglish{"en", &EnglishLanguage, &ui::EnglishLayout};
inline const Build kChinese{"zh", &ChineseLanguage, &ui::ChineseLayout};

inline void PrintTo(const Build& build, std::ostream* os) {
  *os << build.name;
}

inline std::string BuildName(const testing::TestParamInfo<Build>& info) {
  return info.param.name;
}

// Opens the port box's list and clicks one of its entries, as the user picks it.
inline void Pick(QComboBox* box, int row) {
  box->showPopup();
  QAbstractItemView* list = box->view();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
  const QModelIndex entry = list->model()->index(row, 0);
  list->scrollTo(entry);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(entry).center());
}

class WindowTest : public testing::TestWithParam<Build> {
 protected:
  void SetUp() override {
    link.open = false;
    window = std::make_unique<ui::MainWindow>(link, GetParam().language(), GetParam().layout());
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  bool english() const { return GetParam().name == "en"; }

  template <typename T = QWidget>
  T* control(const char* name) const {
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }

  // Replaces an entry's text as a user would: select all, then type.
  void retype(const char* entry, const QString& text) {
    QLineEdit* box = control<QLineEdit>(entry);
    box->setFocus();
    box->selectAll();
    Type(box, text);
  }

  // Keys for ASCII; other characters arrive as an input method commits them.
  static void Type(QWidget* widget, const QString& text) {
    for (QChar c : text) {
      if (c.unicode() < 0x80) {
        QTest::keyClick(widget, c.toLatin1());
      } else {
        QInputMethodEvent commit;
        commit.setCommitString(c);
        QApplication::sendEvent(widget->focusProxy() ? widget->focusProxy() : widget, &commit);
      }
    }
  }

  RecordingLink link;
  MessageCatcher messages;
  std::unique_ptr<ui::MainWindow> window;
};

}  // namespace vorlan::test
