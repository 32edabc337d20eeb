// The configuration check in the window of each build: a read marks the fields and the status line
// counts the warnings, leaving a box checks again, "Check configuration" lists every finding, the
// passcode goes into "Login password" only when the user agrees, and Write sends what it sent
// before.

#include <QTableWidget>
#include <QTextDocumentFragment>

#include "link/write_frame.h"
#include "params/field_table.h"
#include "read_back.h"
#include "window_fixture.h"

namespace vorlan::test {
namespace {

// A read-back of the build's start values with every flag off but Server1Enable: nothing in it
// for the check to find but what a test puts there.
ReadBack CleanReadBack(const LanguageData& lang) {
  const ParameterSet start = InitialParameters(lang.values);
  ReadBack readBack;
  for (const auto& span : kReadBackSpans) {
    const auto field = FieldNamed(span.field);
    if (!field) continue;  // a reserved span
    switch (Def(*field).kind) {
      case FieldKind::Flag:
        readBack.set(span.field, *field == Field::Server1Enable ? "1" : "0");
        break;
      case FieldKind::WorkMode:
        readBack.set(span.field, "1");
        break;
      case FieldKind::Text:
        readBack.set(span.field, Pad(start.text(*field).toLatin1(), span.width));
        break;
    }
  }
  return readBack;
}

class CheckWindowTest : public WindowTest {
 protected:
  QString severity(const char* control) const {
    return this->control(control)->property("checkSeverity").toString();
  }
  QLabel* statusLine() const { return control<QLabel>(english() ? "Label6" : "Label36"); }
  // A tooltip as the user reads it: one line for each paragraph.
  QString tip(const char* name) const {
    return QTextDocumentFragment::fromHtml(control(name)->toolTip()).toPlainText();
  }
  // Tab out of the box, as the user leaves it.
  void leave(const char* control) {
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QWidget* box = this->control(control);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Tab);
    EXPECT_FALSE(box->hasFocus());
  }
  QStringList rows() const {
    QStringList texts;
    auto* list = control<QTableWidget>("checkList");
    for (int i = 0; list && i < list->rowCount(); ++i) {
      texts << list->item(i, 0)->text() + " | " + list->item(i, 1)->text() + " | " +
                   list->item(i, 2)->text();
    }
    return texts;
  }
  void trigger(const char* action) { control<QAction>(QLatin1String(action))->trigger(); }

  const QString placeholder =
      english()
          ? "NOCALL stands for a station not set up yet: APRS-IS refuses it and digipeaters "
            "drop its packets. Put in your own callsign."
          : "NOCALL 代表尚未设置的台站: APRS-IS 拒绝登录, 中继台丢弃其数据包。请填入您自己的呼号。";
};

TEST_P(CheckWindowTest, AReadMarksTheFieldsAndTheStatusLineCountsTheWarnings) {
  EXPECT_EQ(severity("Text1"), "");  // the start values are not judged
  pick(2);
  click("Command7");
  link.feed(CleanReadBack(GetParam().language())
                .set("Callsign", Pad("NOCALL-9", 12))
                .set("Path", Pad("WIDE3-3", 20))
                .bytes());
  link.deliver();

  EXPECT_EQ(severity("Text1"), "warning");
  EXPECT_EQ(tip("Text1"), placeholder);
  EXPECT_EQ(severity("Text17"), "warning");
  EXPECT_EQ(tip("Text17"),
            english() ? "With \"WIDE3-3\" the path asks for 3 hops, more than WIDE2-2 (2 hops): it "
                        "floods the network, and many digipeaters drop it."
                      : "到“WIDE3-3”时路径要求 3 跳, 超过 WIDE2-2 (2 跳): 会使网络拥塞, "
                        "许多中继台会丢弃。");
  EXPECT_NE(control("Text17")->palette().color(QPalette::Base),
            control("Text11")->palette().color(QPalette::Base));
  EXPECT_EQ(severity("Text11"), "");
  EXPECT_EQ(tip("Text11"), "");

  const QString summary = english() ? "2 warnings: Callsign, Path" : "2 个警告: 呼号、路径";
  const QString read = english() ? "NOCALL-9     Read correct!" : "NOCALL-9    读入参数成功!";
  EXPECT_TRUE(statusLine()->text().endsWith("  |  " + summary))
      << statusLine()->text().toStdString();
  EXPECT_EQ(tip(english() ? "Label6" : "Label36"), read.simplified() + "\n" + summary);
  EXPECT_EQ(messages, QStringList{read});  // the read's own message, nothing more

  // The user mends the path and leaves the box.
  retype("Text17", "WIDE1-1,WIDE2-1");
  leave("Text17");
  EXPECT_EQ(severity("Text17"), "");
  EXPECT_EQ(control("Text17")->palette().color(QPalette::Base),
            control("Text11")->palette().color(QPalette::Base));
  EXPECT_TRUE(statusLine()->text().endsWith(english() ? "1 warning: Callsign" : "1 个警告: 呼号"));

  retype("Text1", "BG7ABC-9");
  leave("Text1");
  EXPECT_EQ(statusLine()->text(), "COM3: " + read);
}

TEST_P(CheckWindowTest, CheckConfigurationListsEveryFindingAndFollowsEdits) {
  click("Check14");  // "Login Server": the login password now counts
  trigger("actionCheck");
  auto* dialog = control<QDialog>("checkDialog");
  ASSERT_TRUE(dialog);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_FALSE(dialog->isModal());
  const QString callsign = english() ? "Callsign | warning | " : "呼号 | 警告 | ";
  EXPECT_EQ(rows(), (QStringList{
                        callsign + placeholder,
                        english() ? "Login password | warning | This is not the APRS-IS passcode "
                                    "of NOCALL: the server takes the tracker as unverified and "
                                    "drops what it sends."
                                  : "服务器验证码 | 警告 | 这不是 NOCALL 的 APRS-IS 验证码: "
                                    "服务器把终端视为未验证, 丢弃它发送的数据。",
                    }));
  EXPECT_EQ(control<QLabel>("checkHeadline")->text(),
            english() ? "2 warnings: Callsign, Login password" : "2 个警告: 呼号、服务器验证码");

  // The read-only login is a note: marked, listed, not counted.
  retype("Text10", "-1");
  leave("Text10");
  EXPECT_EQ(severity("Text10"), "note");
  EXPECT_EQ(rows().value(1), english() ? "Login password | note | \"-1\" logs in read-only: the "
                                         "server sends to the tracker but takes nothing from it."
                                       : "服务器验证码 | 提示 | “-1”为只读登录: "
                                         "服务器向终端发送数据, 但不接收终端的数据。");
  EXPECT_TRUE(statusLine()->text().endsWith(english() ? "1 warning: Callsign" : "1 个警告: 呼号"));

  retype("Text1", "BG7ABC-9");
  leave("Text1");
  EXPECT_EQ(control<QLabel>("checkHeadline")->text(), english() ? "No warnings." : "没有警告。");
  click("Check14");
  EXPECT_EQ(rows(), QStringList());
  EXPECT_EQ(control<QLabel>("checkHeadline")->text(),
            english() ? "No findings: nothing here keeps the tracker off APRS."
                      : "未发现问题: 此配置中没有妨碍终端接入 APRS 的设置。");
  EXPECT_TRUE(messages.isEmpty());
}

// 17575 is the passcode of BG7ABC, computed outside this program (see the check's unit tests).
TEST_P(CheckWindowTest, ThePasscodeGoesIntoLoginPasswordWhenTheUserAgrees) {
  retype("Text1", "bg7abc-9");
  trigger("actionPasscode");
  EXPECT_EQ(questions,
            QStringList{english() ? "The APRS-IS passcode of BG7ABC is 17575. Put it "
                                    "into \"Login password\"?"
                                  : "BG7ABC 的 APRS-IS 验证码是 17575。填入“服务器验证码”吗?"});
  EXPECT_EQ(text("Text10"), "50713");

  answerYes = true;
  trigger("actionPasscode");
  EXPECT_EQ(text("Text10"), "17575");
  trigger("actionPasscode");
  EXPECT_EQ(messages, QStringList{english() ? "The APRS-IS passcode of BG7ABC is 17575; \"Login "
                                              "password\" holds it."
                                            : "BG7ABC 的 APRS-IS 验证码是 17575, "
                                              "“服务器验证码”中已是该值。"});

  retype("Text1", "BG7ABCD-9");
  trigger("actionPasscode");
  EXPECT_EQ(messages.value(1), english()
                                   ? "\"BG7ABCD-9\" in \"Callsign\" does not begin with 1 to 6 "
                                     "letters and digits before its SSID: there is no "
                                     "APRS-IS passcode for it."
                                   : "“呼号”中的“BG7ABCD-9”在 SSID 之前不是 1 到 6 "
                                     "个字母和数字: 无法计算 APRS-IS 验证码。");
  EXPECT_EQ(questions.size(), 2);
}

TEST_P(CheckWindowTest, WriteSendsWhatTheWindowHoldsWhateverTheCheckFinds) {
  link.open = true;
  click("Check14");
  retype("Text17", "WIDE3-3");
  leave("Text17");
  ASSERT_EQ(severity("Text17"), "warning");

  click("Command6");
  EXPECT_EQ(link.sent, BuildWriteFrame(window->parameters(), GetParam().language().values));
  EXPECT_TRUE(link.sent.contains("&NOCALL-9|WIDE3-3|"));
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_TRUE(questions.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Builds, CheckWindowTest, kBuilds, BuildName);

}  // namespace
}  // namespace vorlan::test
