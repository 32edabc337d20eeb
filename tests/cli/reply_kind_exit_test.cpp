// What vorlan_cli says and exits with when the device answers a request with a reply of another
// kind, or with bytes that are no reply; and that a command just after a message, finder
// included, keeps the line quiet so the device sees the two frames apart.
#include "cli_fixture.h"
#include "simulator.h"

namespace vorlan::test {
namespace {

class ReplyKindExitTest : public CliTest {};

TEST_F(ReplyKindExitTest, AReplyOfAnotherKindEndsWithFourAndBytesWithoutLeadWithSix) {
  struct Row {
    QStringList command;
    QByteArray script;
    int exitCode;
    QString message;
  };
  const QList<Row> rows = {
      {{"read"},
       "expect read\nsend \"$5\" 3*\" \"\n",
       4,
       "answered with a reply of another kind: \"$5\" (a written parameter is short of characters; "
       "nothing stored) (it sent: 24 35 20 20 20 | $5   )."},
      {{"read"},
       "expect read\nsend \"$2\" 3*\" \"\n",
       4,
       "answered with a reply of another kind: \"$2\" (radio read done) (it sent: 24 32 20 20 20 | "
       "$2   )."},
      {{"about"},
       "expect about\nsend \"$4\" 3*\" \"\n",
       4,
       "answered with a reply of another kind: \"$4\" (write done) (it sent: 24 34 20 20 20 | $4   "
       ")."},
      {{"read"},
       "expect read\nsend \"OK\"\n",
       6,
       "answered with bytes that do not start with \"$\" (it sent: 4f 4b | OK)."},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.script.toStdString());
    writeFile("device.script", row.script);
    Simulator sim({"--fast", "--script", file("device.script")});
    const CliRun run = cli(row.command + QStringList{"--port", sim.path(), "--timeout", "0.5"});
    EXPECT_EQ(run.exitCode, row.exitCode) << run.err.toStdString();
    EXPECT_EQ(run.err.trimmed(), sim.path() + ' ' + row.message);
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
  }
}

TEST_F(ReplyKindExitTest, TheFinderAfterAMessageKeepsTheQuietAfterOpening) {
  Simulator sim;
  const QMap<QString, QString> pins = {{"VORLAN_COM1", sim.path()}};
  const CliRun message =
      cli({"message", "--port", "COM1", "--his-callsign", "BG7ABC", "hello"}, pins);
  ASSERT_EQ(message.exitCode, 0) << message.err.toStdString();
  const CliRun about = cli({"about", "--port", "auto"}, pins);
  EXPECT_EQ(about.exitCode, 0) << about.err.toStdString();
  EXPECT_TRUE(about.out.startsWith("VORLAN device simulator")) << about.out.toStdString();

  // The device saw the message and the About request apart, then the About request again.
  ASSERT_TRUE(sim.waitFor("about", 2));
  EXPECT_EQ(sim.received("message"), QList<QByteArray>{"*@BG7ABC*hello"});
  EXPECT_EQ(sim.received("about"), QList<QByteArray>({"$3#", "$3#"}));
  EXPECT_TRUE(sim.received("noise").isEmpty());
}

}  // namespace
}  // namespace vorlan::test
