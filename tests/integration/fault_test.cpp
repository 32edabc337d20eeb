// A Read against a device that misbehaves on the line: the program goes on, says at most one thing,
// and the window changes only through a complete read-back.
#include <gtest/gtest.h>

#include "link/requests.h"
#include "session.h"
#include "ui/lang/en/en_language.h"

namespace vorlan::test {
namespace {

TEST(Fault, ReadAgainstAFaultyDevice) {
  const LanguageData& lang = EnglishLanguage();
  const QString readCorrect = "SIM1-7      " + Text(lang.readCorrect);
  struct Row {
    QStringList options;
    QStringList messages;
    bool filled;  // the read-back reached the window
  };
  const Row rows[] = {
      {{"--noise", "7"}, {Text(lang.receptionError)}, false},
      {{"--wrong-lead"}, {Text(lang.receptionError)}, false},
      {{"--wrong-kind", "7"}, {Text(lang.readFails)}, false},
      {{"--wrong-kind", "x"}, {Text(lang.readFails)}, false},
      {{"--cut", "300"}, {}, false},
      {{"--chunk", "1", "--gap", "2"}, {readCorrect}, true},
      {{"--chunk", "50", "--gap", "40"}, {readCorrect}, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.options.join(' ').toStdString());
    Session s(lang, QStringList{"--fast"} + row.options);
    ASSERT_TRUE(s.open());
    ReadConfiguration(s.link, s.view);
    ASSERT_TRUE(s.sim.waitFor("tx", 1));
    s.waitForMessages(1, 1500);
    Pump(100);  // nothing more may come

    EXPECT_EQ(s.view.messages, row.messages);
    EXPECT_EQ(s.events, row.messages.size());
    EXPECT_EQ(s.view.changes.size(), row.filled ? 44 : 0) << s.view.changes.join(' ').toStdString();
    EXPECT_TRUE(s.link.portOpen());
  }
}

TEST(Fault, TheNextRequestDiscardsAReplyCutShort) {
  Session s(EnglishLanguage(), {"--fast", "--cut", "300"});
  ASSERT_TRUE(s.open());
  for (int request = 1; request <= 2; ++request) {
    ReadConfiguration(s.link, s.view);
    ASSERT_TRUE(s.sim.waitFor("tx", request));
    ASSERT_TRUE(WaitUntil([&] { return s.link.inBufferCount() == 300; }));
  }
  Pump(100);
  EXPECT_EQ(s.link.inBufferCount(), 300);  // not 600: the second Read cleared the first reply
  EXPECT_EQ(s.events, 0);
  EXPECT_TRUE(s.view.messages.isEmpty());
}

}  // namespace
}  // namespace vorlan::test
