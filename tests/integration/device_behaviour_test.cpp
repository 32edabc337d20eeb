// What a real device can do that the tool must survive, each played by the simulator: a Read
// answered late, a radio read report, noise that holds "$", an answer that comes after a newer
// request, an about text two bytes short, and a conversation stated as data.
#include <gtest/gtest.h>

#include "session.h"
#include "ui/lang/en/en_language.h"
#include "ui/lang/zh/zh_language.h"

namespace vorlan::test {
namespace {

const LanguageData& En() {
  return EnglishLanguage();
}

const QString kReadCorrect = "SIM1-7      " + Text(En().readCorrect);

// After each case the link still works: a Read fills the window.
void ExpectAReadStillWorks(Session& s) {
  const qsizetype before = s.view.messages.size();
  s.actions.read();
  ASSERT_TRUE(s.waitForMessages(before + 1, 3000));
  EXPECT_EQ(s.view.messages.last(), kReadCorrect);
}

// The user presses About while the Read's answer is late: About is answered, and the read-back
// that follows finds nothing armed; it raises nothing and changes nothing.
TEST(DeviceBehaviour, AReadAnsweredAfterTheUserPressedAbout) {
  Session s(En(), {"--fast", "--late-read", "300"});
  ASSERT_TRUE(s.open());
  s.actions.read();
  ASSERT_TRUE(s.sim.waitFor("read", 1));
  s.actions.about();
  ASSERT_TRUE(s.waitForMessages(1));
  EXPECT_TRUE(s.view.messages[0].startsWith("VORLAN device simulator"));
  ASSERT_TRUE(s.sim.waitFor("tx", 2));
  Pump(100);
  EXPECT_EQ(s.view.messages.size(), 1);
  EXPECT_EQ(s.view.shown, 0);
  EXPECT_EQ(s.link.inBufferCount(), 412);  // waits there for the next request to clear it
  ExpectAReadStillWorks(s);
}

// The answer to a Read comes only after the user pressed Write: late, or held back until the next
// request arrives (just before the Write's own answer). At line speed its first bytes raise the
// Write's event: nothing in the window changes and the read failure is said once, in either build;
// what is left is cleared by the next request.
TEST(DeviceBehaviour, AnAnswerThatComesAfterANewerRequest) {
  const QStringList late[] = {{"--delay", "300"}, {"--stale-reply"}};
  for (const QStringList& options : late) {
    for (const LanguageData* lang : {&EnglishLanguage(), &ChineseLanguage()}) {
      SCOPED_TRACE(options.join(' ').toStdString() + " " + std::string(lang->language));
      Session s(*lang, options);  // paced at 9600 baud: the read-back takes 430 ms
      ASSERT_TRUE(s.open());
      const ParameterSet before = s.view.params;
      s.actions.read();
      ASSERT_TRUE(s.sim.waitFor("read", 1));
      s.actions.write();
      ASSERT_TRUE(s.waitForMessages(1));
      ASSERT_TRUE(s.sim.waitFor("tx", 2, 3000));
      Pump(100);
      EXPECT_EQ(s.view.messages, QStringList{Text(lang->readFails)});
      EXPECT_EQ(s.view.params, before);
      EXPECT_EQ(s.events, 1);
      EXPECT_EQ(s.sim.sent()[1].left(2), "$4");  // the write was taken all the same
    }
  }
}

// Noise that starts with "$" before the read-back: the kind after it is no reply kind, so the read
// fails and the window is left alone, every time.
TEST(DeviceBehaviour, NoiseThatHoldsADollar) {
  Session s(En(), {"--fast", "--dollar-noise", "6"});
  ASSERT_TRUE(s.open());
  for (int read = 1; read <= 2; ++read) {
    s.actions.read();
    ASSERT_TRUE(s.waitForMessages(read));
  }
  EXPECT_EQ(s.view.messages, QStringList(2, Text(En().readFails)));
  EXPECT_EQ(s.view.shown, 0);
}

// A radio read report (5 bytes) to a Read, and an about text of 100 bytes in all, never reach what
// was armed (412, 102): nothing is said or changed, the status line shows the bytes that came, and
// the next request clears them.
TEST(DeviceBehaviour, AnswersShorterThanArmedWaitForTheNextRequest) {
  const struct {
    const char* option;
    void (ui::WindowPresenter::*request)();
    int received, armed;
  } rows[] = {{"--radio-read", &ui::WindowPresenter::read, 5, 412},
              {"--about-100", &ui::WindowPresenter::about, 100, 102}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.option);
    Session s(En(), {"--fast", row.option});
    ASSERT_TRUE(s.open());
    (s.actions.*row.request)();
    ASSERT_TRUE(WaitUntil([&] { return s.link.inBufferCount() == row.received; }));
    Pump(250);  // the status line polls what has come
    EXPECT_EQ(s.view.statuses.last(),
              QStringLiteral("COM1: waiting for the device's answer, %1 of %2 bytes")
                  .arg(row.received)
                  .arg(row.armed));
    EXPECT_TRUE(s.view.messages.isEmpty());
    EXPECT_EQ(s.events, 0);
  }
}

// A conversation stated as data: radio reports name the right callsign, and a write the device
// finds short is said as such.
TEST(DeviceBehaviour, RadioReportsAndAShortWriteFromAScript) {
  Session s(En(), {"--fast", "--script", VORLAN_TEST_DATA "/scripts/radio_reports.script"});
  ASSERT_TRUE(s.open());
  s.view.send.HisCallsign = "BG7XYZ-5";
  s.actions.sendInstruction();
  ASSERT_TRUE(s.waitForMessages(1));
  s.actions.sendInstruction();
  ASSERT_TRUE(s.waitForMessages(2));
  s.actions.write();
  ASSERT_TRUE(s.waitForMessages(3));
  EXPECT_EQ(s.view.messages,
            QStringList({"Callsign:NOCALL-9 Radio Read correct!!!",
                         "BG7XYZ-5 Radio write correct!!!", Text(En().writeIncomplete)}));
}

}  // namespace
}  // namespace vorlan::test
