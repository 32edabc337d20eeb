// The device session against simulators on pseudo-terminals: what came at the time-out read for
// what it is, the quiet after opening and after a frame without an end mark, a late reply, a stop,
// and two sessions side by side in one thread.
#include <gtest/gtest.h>

#include <QSerialPort>
#include <QTemporaryDir>

#include "event_loop.h"
#include "link/requests.h"
#include "link/session/device_session.h"
#include "link/transport/system_serial_link.h"
#include "simulator.h"

namespace vorlan::test {
namespace {

using Kind = SessionOutcome::Kind;

constexpr int kShortTimeoutMs = 400;

struct OpenSession {
  explicit OpenSession(const QString& path, DeviceSession::Options options = {kShortTimeoutMs})
      : session(link, options) {
    opened = !session.open(3, path);
  }
  SystemSerialLink link;
  DeviceSession session;
  bool opened = false;
};

Request Message(const QString& text) {
  return std::get<Request>(MessageRequest({"BG7ABC", {}, {}, text}));
}

TEST(DeviceSession, ReadsWhatCameAtTheTimeOutForWhatItIs) {
  struct Row {
    const char* what;
    Request request;
    QByteArray script;
    Kind kind;
    Reply::Outcome reply;  // OtherKind: the reply of another kind
    QByteArray received;
  };
  using R = Reply::Outcome;
  const QByteArray blanks = R"( 3*" ")";
  const QList<Row> rows = {
      {"a read answered by a short write", ReadRequest(), "expect read\nsend \"$5\"" + blanks,
       Kind::OtherKind, R::WriteIncomplete, "$5   "},
      {"a read answered by a radio report", ReadRequest(), "expect read\nsend \"$2\"" + blanks,
       Kind::OtherKind, R::RadioReadDone, "$2   "},
      {"an about answered by a write report", AboutRequest(), "expect about\nsend \"$4\"" + blanks,
       Kind::OtherKind, R::WriteDone, "$4   "},
      {"bytes without the lead", ReadRequest(), "expect read\nsend \"x$1\"", Kind::Garbled,
       R::UnknownKind, "x$1"},
      {"the start of the read-back", ReadRequest(), "expect read\nsend \"$1\" 10*\"a\"",
       Kind::NoAnswer, R::UnknownKind, "$1aaaaaaaaaa"},
      {"the lead alone", AboutRequest(), "expect about\nsend \"$\"", Kind::NoAnswer, R::UnknownKind,
       "$"},
      {"nothing", AboutRequest(), "expect about\n", Kind::NoAnswer, R::UnknownKind, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    ScriptedSimulator device(row.script);
    OpenSession open(device.sim().path());
    ASSERT_TRUE(open.opened);
    const SessionOutcome outcome = WaitForOutcome(open.session, row.request);
    EXPECT_EQ(outcome.kind, row.kind);
    EXPECT_EQ(outcome.received, row.received);
    EXPECT_EQ(outcome.request, row.request);
    if (row.kind == Kind::OtherKind) {
      EXPECT_EQ(outcome.reply.outcome, row.reply);
    }
    EXPECT_FALSE(outcome.expected());
    EXPECT_FALSE(open.session.busy());
  }
}

TEST(DeviceSession, KeepsTheQuietAfterOpeningAndAfterAFrameWithoutEndMark) {
  Simulator sim;
  {
    // Another program sends a message and lets the port go.
    QSerialPort other(sim.path());
    ASSERT_TRUE(other.open(QIODevice::ReadWrite));
    other.write(Message("first").bytes);
    ASSERT_TRUE(other.waitForBytesWritten(1000));
  }
  OpenSession open(sim.path());
  ASSERT_TRUE(open.opened);
  QList<Kind> kinds;
  open.session.onOutcome = [&](const SessionOutcome& outcome) { kinds << outcome.kind; };
  open.session.start(Message("second"));
  open.session.start(AboutRequest());
  EXPECT_TRUE(kinds.isEmpty());  // nothing from inside start()
  ASSERT_TRUE(WaitUntil([&] { return kinds.size() == 2; }));
  EXPECT_EQ(kinds, QList<Kind>({Kind::Sent, Kind::Replied}));

  // Each frame apart: none ran into the one before it.
  EXPECT_EQ(sim.received("message"),
            QList<QByteArray>({Message("first").bytes, Message("second").bytes}));
  EXPECT_EQ(sim.received("about"), QList<QByteArray>{"$3#"});
  EXPECT_TRUE(sim.received("noise").isEmpty());
}

TEST(DeviceSession, AMessageLeavesTheAwaitedReplyAwaited) {
  // The read-back comes after the message has gone out.
  Simulator sim({"--fast", "--late-read", "300"});
  OpenSession open(sim.path(), {3000});
  ASSERT_TRUE(open.opened);
  QList<SessionOutcome> outcomes;
  open.session.onOutcome = [&](const SessionOutcome& outcome) { outcomes << outcome; };
  open.session.start(ReadRequest());
  open.session.start(Message("hello"));
  ASSERT_TRUE(WaitUntil([&] { return outcomes.size() == 2; }));
  EXPECT_EQ(outcomes[0].kind, Kind::Sent);
  EXPECT_EQ(outcomes[1].kind, Kind::Replied);
  EXPECT_EQ(outcomes[1].request, ReadRequest());
  EXPECT_TRUE(outcomes[1].expected());
  EXPECT_EQ(sim.received("message"), QList<QByteArray>{Message("hello").bytes});
}

TEST(DeviceSession, ALateReplyIsStillAwaitedAndAStopEndsTheWait) {
  ScriptedSimulator device("expect about\nwait 700\nanswer\n");
  OpenSession open(device.sim().path(), {300, true});
  ASSERT_TRUE(open.opened);
  QList<Kind> late, told;
  open.session.onLate = [&](const SessionOutcome& outcome) { late << outcome.kind; };
  open.session.onOutcome = [&](const SessionOutcome& outcome) { told << outcome.kind; };
  open.session.start(AboutRequest());
  ASSERT_TRUE(WaitUntil([&] { return !late.isEmpty(); }));
  EXPECT_TRUE(told.isEmpty());
  EXPECT_TRUE(open.session.busy());
  ASSERT_TRUE(WaitUntil([&] { return !told.isEmpty(); }));
  EXPECT_EQ(late, QList<Kind>{Kind::NoAnswer});
  EXPECT_EQ(told, QList<Kind>{Kind::Replied});

  Simulator silent({"--fast", "--cut", "0"});
  OpenSession waiting(silent.path(), {5000});
  ASSERT_TRUE(waiting.opened);
  QTimer::singleShot(200, &waiting.session, [&] { waiting.session.stop(); });
  EXPECT_EQ(WaitForOutcome(waiting.session, ReadRequest()).kind, Kind::Stopped);
  EXPECT_FALSE(waiting.session.busy());
}

TEST(DeviceSession, TwoSessionsRunSideBySideInOneThread) {
  Simulator first, second;
  OpenSession a(first.path(), {3000}), b(second.path(), {3000});
  ASSERT_TRUE(a.opened && b.opened);
  std::optional<SessionOutcome> fromA, fromB;
  a.session.onOutcome = [&](const SessionOutcome& outcome) { fromA = outcome; };
  b.session.onOutcome = [&](const SessionOutcome& outcome) { fromB = outcome; };
  a.session.start(ReadRequest());
  b.session.start(AboutRequest());
  EXPECT_TRUE(a.session.busy() && b.session.busy());
  ASSERT_TRUE(WaitUntil([&] { return fromA && fromB; }));
  EXPECT_EQ(fromA->reply.outcome, Reply::Outcome::ReadBack);
  EXPECT_EQ(fromB->reply.outcome, Reply::Outcome::DeviceText);
  EXPECT_TRUE(fromA->expected() && fromB->expected());
  EXPECT_EQ(first.received("read").size(), 1);
  EXPECT_EQ(second.received("about").size(), 1);
}

}  // namespace
}  // namespace vorlan::test
