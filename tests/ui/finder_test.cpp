// Port > Find the tracker in both builds: asking simulators on pseudo-terminals mapped as COM
// numbers selects and opens the one that answers; several answering, or a port that appears when
// the cable is plugged in (port lists injected), or nothing at all, each end in one message. And
// Qt's own texts in the Chinese build.

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPushButton>
#include <QTranslator>

#include "event_loop.h"
#include "simulator.h"
#include "ui/finder_dialog.h"
#include "ui/qt_translations.h"
#include "window_fixture.h"

namespace vorlan::test {
namespace {

class FinderTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    QObject::connect(&dialogTimer, &QTimer::timeout, [this] { pressInDialog(); });
    dialogTimer.start(5);
  }

  // Opens the finder from the menu bar and presses `button` in its dialog once it shows.
  void find(const char* button, const ui::FinderSetup& setup) {
    window->setFinderSetup(setup);
    toPress = button;
    control<QAction>("actionFindTracker")->trigger();
  }
  void pressInDialog() {
    auto* dialog = qobject_cast<ui::FinderDialog*>(QApplication::activeModalWidget());
    if (!dialog || toPress.isEmpty()) return;
    if (toPress == "cancel") {
      dialog->reject();
    } else {
      dialog->findChild<QPushButton*>(toPress)->click();
    }
    toPress.clear();
  }
  const FinderTexts& texts() const { return GetParam().language().finder; }
  QString portLine(const MappedPort& port) const {
    return ui::PortLineText(port, GetParam().language());
  }

  QString toPress;
  QTimer dialogTimer;
};

MappedPort Pinned(int number, const Simulator& sim) {
  return {number, sim.path(), true};
}

TEST_P(FinderTest, AskingSelectsAndOpensTheOnePortThatAnswers) {
  Simulator silent({"--fast", "--cut", "0"}), tracker;
  pick(0);  // COM1 open: the finder frees it first
  link.log.clear();
  find("askButton", {[&] {
                       return QList<MappedPort>{Pinned(3, silent), Pinned(5, tracker)};
                     },
                     300});
  EXPECT_EQ(text("Combo1"), "COM5");
  EXPECT_EQ(link.log, QStringList({"PortOpen=0", "CommPort=5", "PortOpen=1"}));
  ASSERT_EQ(messages.size(), 1);
  EXPECT_EQ(messages[0], Text(texts().foundAnswering)
                             .arg(portLine(Pinned(5, tracker)),
                                  "VORLAN device simulator 1.0 - it answers Read, Write, About and "
                                  "remote instructions; 9600 baud, 8N1.",
                                  "COM5"))
      << messages[0].toStdString();
  EXPECT_EQ(silent.received("about").size(), 1);
  if (english()) {
    EXPECT_TRUE(messages[0].startsWith("The tracker answered on COM5 -> " + tracker.path() +
                                       " (VORLAN_COM5): \"VORLAN device simulator 1.0"));
    EXPECT_TRUE(messages[0].endsWith("\nCOM5 is open now: press Read."));
  }
}

TEST_P(FinderTest, SeveralAnsweringOrNoneSaysWhatEachPortDidAndPutsTheWindowBack) {
  Simulator silent({"--fast", "--cut", "0"}), first, second;
  pick(1);  // COM2 open
  link.log.clear();
  find("askButton",
       {[&] {
          return QList<MappedPort>{Pinned(1, first), Pinned(2, silent), Pinned(4, second)};
        },
        300});
  EXPECT_EQ(text("Combo1"), "COM2");
  EXPECT_EQ(link.log, QStringList({"PortOpen=0", "CommPort=2", "PortOpen=1"}));  // as it was
  ASSERT_EQ(messages.size(), 1);
  const QStringList lines = messages[0].split('\n');
  ASSERT_EQ(lines.size(), 4);
  EXPECT_EQ(lines[0], Text(texts().severalAnswered));
  EXPECT_TRUE(lines[1].startsWith(portLine(Pinned(1, first)) + ": "));
  EXPECT_EQ(lines[2], Text(texts().resultSilent).arg(portLine(Pinned(2, silent)), "0.3"));
  if (english()) {
    EXPECT_EQ(lines[2], "COM2 -> " + silent.path() + " (VORLAN_COM2): no answer within 0.3 s");
  }

  messages.clear();
  find("askButton", {[] { return QList<MappedPort>{}; }, 300});
  EXPECT_EQ(messages, QStringList{Text(texts().nothingToAsk)});
}

TEST_P(FinderTest, ThePortThatAppearsWhenPluggedInIsOpenedAndNothingIsSent) {
  const MappedPort gps{1, "/dev/ttyUSB0", false, {}, UsbId{0x1546, 0x01a7}};
  const MappedPort tracker{2, "/dev/ttyUSB1", false, "CH340", UsbId{0x1a86, 0x7523}};
  int polls = 0;
  find("okButton", {[&] {
                      // unplugged when OK is pressed, plugged in after a few looks
                      return ++polls < 4 ? QList<MappedPort>{gps} : QList<MappedPort>{gps, tracker};
                    },
                    300, 5000, 0});
  EXPECT_EQ(text("Combo1"), "COM2");
  EXPECT_EQ(link.log, QStringList({"CommPort=2", "PortOpen=1"}));  // none was open to close
  EXPECT_TRUE(link.sent.isEmpty());
  EXPECT_EQ(messages, QStringList{Text(texts().foundPlugged).arg(portLine(tracker), "COM2")});
  if (english()) {
    EXPECT_EQ(messages[0],
              "The port that appeared: COM2 -> /dev/ttyUSB1, CH340 USB-serial (1a86:7523).\nCOM2 "
              "is open now: press Read.");
  }

  // Nothing appears: said once the wait is over. Closed by the user: nothing said.
  messages.clear();
  link.log.clear();
  find("okButton", {[&] { return QList<MappedPort>{gps}; }, 300, 200, 0});
  EXPECT_EQ(messages, QStringList{Text(texts().noneAppeared).arg(0)});
  EXPECT_EQ(link.log, QStringList({"PortOpen=0", "CommPort=2", "PortOpen=1"}));
  messages.clear();
  find("cancel", {[&] { return QList<MappedPort>{gps}; }});
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_EQ(text("Combo1"), "COM2");
}

INSTANTIATE_TEST_SUITE_P(Builds, FinderTest, kBuilds, BuildName);

// The build is the language: Qt's standard buttons and file dialogs speak Chinese in the Chinese
// build and English in the English one, whatever the system is set to.
class QtTextsTest : public WindowTest {
 protected:
  void TearDown() override {
    WindowTest::TearDown();
    qDeleteAll(qApp->findChildren<QTranslator*>());
    ui::UseBuildLanguage(EnglishLanguage());
  }
};

TEST_P(QtTextsTest, MessageBoxesAndFileDialogsSpeakTheBuildsLanguage) {
  EXPECT_EQ(ui::UseBuildLanguage(GetParam().language()), english() ? 0 : 2);
  window->showMessage("x");
  EXPECT_EQ(okButtons, QStringList{english() ? "OK" : "确定"});

  QFileDialog dialog(window.get());
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  QStringList captions;
  for (QAbstractButton* button : dialog.findChild<QDialogButtonBox*>()->buttons()) {
    captions << button->text();
  }
  captions.sort();
  EXPECT_EQ(captions,
            english() ? QStringList({"&Save", "Cancel"}) : QStringList({"保存(&S)", "取消"}));
  EXPECT_EQ(dialog.findChild<QLabel*>("fileNameLabel")->text(),
            english() ? "File &name:" : "文件名称(&N)：");
}

INSTANTIATE_TEST_SUITE_P(Builds, QtTextsTest, kBuilds, BuildName);

}  // namespace
}  // namespace vorlan::test
