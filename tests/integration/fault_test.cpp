// Reads against a device that misbehaves on the line: the program goes on, says at most one thing
// a Read, the window changes only through a complete read-back, and the next Read starts clean.
#include <gtest/gtest.h>

#include "session.h"
#include "ui/lang/en/en_language.h"

namespace vorlan::test {
namespace {

TEST(Fault, ReadsAgainstAFaultyDevice) {
  const LanguageData& lang = EnglishLanguage();
  const QString readCorrect = "SIM1-7      " + Text(lang.readCorrect);
  const struct {
    QStringList options;
    QStringList messages;  // of each Read
    int left;              // bytes left unread after each: all but what the handler took
  } rows[] = {
      {{"--noise", "7"}, {Text(lang.receptionError)}, 418},  // 7 noise bytes and the 412, less 1
      {{"--wrong-lead"}, {Text(lang.receptionError)}, 411},
      {{"--wrong-kind", "7"}, {Text(lang.readFails)}, 410},
      {{"--wrong-kind", "x"}, {Text(lang.readFails)}, 410},
      {{"--cut", "300"}, {}, 300},  // never enough for the threshold: nothing taken
      {{"--chunk", "1", "--gap", "2"}, {readCorrect}, 10},  // one event for 412 one-byte pieces
      {{"--chunk", "50", "--gap", "40"}, {readCorrect}, 10},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.options.join(' ').toStdString());
    Session s(lang, QStringList{"--fast"} + row.options);
    ASSERT_TRUE(s.open());
    QList<int> leftInBuffer;
    for (int read = 1; read <= 2; ++read) {
      s.actions.read();
      ASSERT_TRUE(s.sim.waitFor("tx", read));
      s.waitForMessages(read * row.messages.size(), 1500);
      Pump(100);  // nothing more may come
      leftInBuffer << s.link.inBufferCount();
    }
    // Each Read clears what the one before left: the same bytes are left each time.
    EXPECT_EQ(leftInBuffer, QList<int>({row.left, row.left}));
    EXPECT_EQ(s.view.messages, row.messages + row.messages);
    EXPECT_EQ(s.events, 2 * row.messages.size());
    EXPECT_EQ(s.view.shown, row.messages == QStringList{readCorrect} ? 2 : 0);
    EXPECT_TRUE(s.link.portOpen());
  }
}

// The device goes away between two requests: the next request fails on its own error (emptying a
// buffer for a Write, handing over the bytes for a message), is said once and closes the port;
// later requests find no port open.
TEST(Fault, ARequestThatFailsOnTheLineIsSaidOnceAndClosesThePort) {
  for (auto request : {&ui::WindowPresenter::write, &ui::WindowPresenter::sendMessage}) {
    Session s(EnglishLanguage());
    ASSERT_TRUE(s.open());
    s.actions.read();
    ASSERT_TRUE(s.waitForMessages(1));
    s.sim.stop();

    (s.actions.*request)();  // before the event loop has seen the hang-up
    ASSERT_TRUE(s.waitForMessages(2));
    EXPECT_EQ(s.view.messages.mid(1),
              QStringList{"COM1 (" + s.sim.path() +
                          ") was closed: the device was unplugged or hung up. Plug it in and try "
                          "again."});
    EXPECT_FALSE(s.link.portOpen());
    Pump(200);
    s.actions.about();
    ASSERT_TRUE(s.waitForMessages(3));
    EXPECT_EQ(s.view.messages.size(), 3);
    EXPECT_EQ(s.view.messages.last(),
              "No COM port is open: the port box shows \"COM1\", but a port opens only when you "
              "pick it from the box's list. Pick the tracker's port (\"COM1\" again if that is "
              "it), or let Port > Find the tracker find it.");
  }
}

}  // namespace
}  // namespace vorlan::test
