// The window's actions over a recording link: the serial steps of each request in order, a failing
// step ending it with one message, factory reset, and a system without the device's text codec.

#include "ui/window_presenter.h"

#include <gtest/gtest.h>

#include "event_loop.h"
#include "fake_view.h"
#include "link/device_text.h"
#include "link/write_frame.h"
#include "params/field_table.h"
#include "recording_link.h"
#include "typing.h"
#include "ui/lang/en/en_language.h"
#include "ui/lang/zh/zh_language.h"

namespace vorlan::test {
namespace {

using Action = void (ui::WindowPresenter::*)();
const QStringList kClear{"OutBufferCount=0", "InBufferCount=0"};

// Each request's operations; a failing one ends it there, with the failure shown once.
TEST(Actions, SerialOperationsInOrderAndAFailingStepEndsThere) {
  const LanguageData& en = EnglishLanguage();
  const QString frame = QString::fromLatin1(BuildWriteFrame(InitialParameters(en.servers)));
  const struct {
    Action action;
    QStringList log;
  } rows[] = {
      {&ui::WindowPresenter::read, kClear + QStringList{"Output=$2#", "RThreshold=412"}},
      {&ui::WindowPresenter::about, kClear + QStringList{"Output=$3#", "RThreshold=102"}},
      {&ui::WindowPresenter::write, kClear + QStringList{"Output=" + frame, "RThreshold=5"}},
      {&ui::WindowPresenter::sendInstruction,
       kClear + QStringList{"Output=**3@NOCALL@407KQZ@NOCALL-9", "RThreshold=5"}},
      {&ui::WindowPresenter::sendMessage, {"Output=*@NOCALL*hello"}},  // keeps what is armed
  };
  const LinkFailure failure{LinkFailure::Kind::WriteFailed, "COM2", "/dev/ttyUSB1", "I/O error"};
  for (const auto& row : rows) {
    for (qsizetype failing = 0; failing <= row.log.size(); ++failing) {
      RecordingLink link;
      link.threshold = 412;
      FakeView view(en);
      ui::WindowPresenter actions(view, link, en);
      if (failing < row.log.size()) {
        link.failAt = row.log[failing].section('=', 0, 0);
        link.failWith = failure;
      }
      (actions.*row.action)();
      // The steps are done within the press; the failure is said from the event loop.
      EXPECT_EQ(link.log, row.log.mid(0, failing));
      EXPECT_TRUE(view.messages.isEmpty());
      Pump(20);

      EXPECT_EQ(link.log, row.log.mid(0, failing));
      EXPECT_EQ(view.messages.join(""),
                link.failWith ? "Nothing was sent to COM2 (/dev/ttyUSB1): I/O error" : "");
      EXPECT_EQ(view.shown, 0);
    }
  }
}

// Every value back to its factory value, the port untouched, nothing sent or shown.
TEST(Actions, FactoryResetInBothBuilds) {
  for (const LanguageData* lang : {&EnglishLanguage(), &ChineseLanguage()}) {
    RecordingLink link;
    FakeView view(*lang);
    view.send = {"A", "B", "C", "D"};
    ui::WindowPresenter actions(view, link, *lang);
    ParameterSet typed;
    typed.setWorkMode('4');
    TypeAll(actions, typed, *lang);

    actions.factoryReset();

    ParameterSet expected = InitialParameters(lang->servers);
    EXPECT_EQ(view.params, expected);
    EXPECT_EQ(actions.values(), expected);
    EXPECT_EQ(view.params.text(Field::Server2),
              lang == &EnglishLanguage() ? "" : "rotate.aprs.net:10008");
    EXPECT_EQ(view.send, (SendFields{"NOCALL", "407kqz", "", "hello"}));
    EXPECT_TRUE(link.log.isEmpty() && view.messages.isEmpty());
  }
}

// A work-mode text typed by hand has no code: the write is refused at the window, nothing sent.
TEST(Actions, AWorkModeTextWithoutACodeIsNotWritten) {
  const struct {
    const LanguageData& lang;
    const char* message;
  } rows[] = {
      {EnglishLanguage(),
       "Nothing was written: \"Work Mode\" must be one of its list entries, not \"ch1 tx/rx\"."},
      {ChineseLanguage(), "未写入: “工作模式”必须是列表中的一项, 不能是“ch1 tx/rx”。"},
  };
  for (const auto& row : rows) {
    RecordingLink link;
    FakeView view(row.lang);
    ui::WindowPresenter actions(view, link, row.lang);
    actions.chooseWorkMode("ch1 tx/rx");
    actions.write();
    EXPECT_TRUE(link.log.isEmpty());
    EXPECT_EQ(view.messages, QStringList{QString::fromUtf8(row.message)});
  }
}

// Without GB18030 every text would go out empty: nothing that carries text is sent, and the user
// is told why; Read and About still work.
TEST(Actions, WithoutTheTextCodecNothingThatCarriesTextIsSent) {
  UseDeviceCodecForTesting("no-such-codec");
  EXPECT_FALSE(DeviceTextAvailable());
  for (const LanguageData* lang : {&EnglishLanguage(), &ChineseLanguage()}) {
    RecordingLink link;
    FakeView view(*lang);
    ui::WindowPresenter actions(view, link, *lang);
    actions.write();
    actions.sendInstruction();
    actions.sendMessage();
    EXPECT_TRUE(link.log.isEmpty());
    EXPECT_EQ(view.messages, QStringList(3, Text(lang->noTextCodec)));
    actions.read();
    EXPECT_EQ(link.sent, "$2#");
  }
  UseDeviceCodecForTesting(nullptr);
  EXPECT_TRUE(DeviceTextAvailable());
}

}  // namespace
}  // namespace vorlan::test
