// The program on its pseudo-terminal: its log, and each option for device behaviour the tool must
// survive, seen from the tool's side of the line.
#include <gtest/gtest.h>

#include <QTemporaryFile>

#include "bytes_print.h"
#include "sim_process.h"
#include "tools/device_sim/device.h"
#include "tools/device_sim/read_back.h"
#include "tools/device_sim/write_frame_parser.h"

namespace vorlan::sim::test {
namespace {

const QByteArray kReadBack = ReadBackReply(DefaultConfiguration(), ' ');
const QByteArray kAboutReply = "$6" + AboutText();
// The English build's start values.
const QByteArray kWrite =
    "$0NOGROU4802710000040302300.00N11300.00E144.640144.39000001[xxx102050713xxxxxx0110001111000000"
    "&NOCALL-9|WIDE1-1,WIDE2-1|VORLAN|NOSSID|58203746|||1234567890123456|rotate.aprs2.net:14580||x|"
    "m/50|#";

TEST(Program, LogsEveryFrameItReceivesAndEveryReplyItSends) {
  SimProcess sim({"--fast"});
  ASSERT_TRUE(sim.running());
  EXPECT_TRUE(sim.path().startsWith("/dev/pts/"));
  sim.send("x\\$2#");
  EXPECT_EQ(sim.receive(412), kReadBack);
  sim.send("**3@A@B@C");
  EXPECT_EQ(sim.receive(5), "$3   ");
  EXPECT_EQ(
      sim.log(5),
      QList<QByteArray>({"rx noise 785c x\\x5c", "rx read 243223 $2#", "tx " + kReadBack.toHex(),
                         "rx instruction 2a2a33404140424043 **3@A@B@C", "tx 2433202020"}));
}

// Each row: what the tool sends, then what arrives within a while.
TEST(Program, OptionsForWhatADeviceMayDo) {
  Configuration storedWrong = *ParseWriteFrame(kWrite).configuration;
  storedWrong["WorkMode"] = "2";  // the write said "1"
  const struct {
    QStringList options;
    QList<QByteArray> sends;
    QByteArray answers;
  } rows[] = {
      {{"--radio-read"}, {"$2#"}, "$2   "},
      {{"--about-100", "--filler", "nul"}, {"$3#"}, "$6" + AboutText().left(98)},
      {{"--stale-reply"}, {"$2#", "$3#"}, kReadBack + kAboutReply},
      {{"--stale-reply"}, {"$3#", "*@A*hi", "$2#"}, kAboutReply},
      {{"--corrupt-field", "WorkMode"}, {kWrite, "$2#"}, "$4   " + ReadBackReply(storedWrong, ' ')},
      {{"--corrupt-field", "Callsign"}, {"$2#"}, kReadBack},  // only a write stores it wrong
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.options.join(' ').toStdString());
    SimProcess sim(QStringList{"--fast"} + row.options);
    ASSERT_TRUE(sim.running());
    QByteArray answers;
    for (const QByteArray& send : row.sends) {
      sim.send(send);
      answers += sim.receiveFor(150);  // past the end of a frame without end mark
    }
    EXPECT_EQ(answers, row.answers);
  }
}

TEST(Program, AReadAnsweredLateComesAfterTheAnswerToThePressThatFollowed) {
  SimProcess sim({"--fast", "--late-read", "400"});
  ASSERT_TRUE(sim.running());
  QElapsedTimer clock;
  clock.start();
  sim.send("$2#");
  EXPECT_EQ(sim.receiveFor(100), "");
  sim.send("$3#");
  EXPECT_EQ(sim.receive(kAboutReply.size()), kAboutReply);
  EXPECT_LT(clock.elapsed(), 350);
  EXPECT_EQ(sim.receive(kReadBack.size()), kReadBack);
  EXPECT_GE(clock.elapsed(), 400);
}

TEST(Program, DollarNoiseBeforeEveryReply) {
  SimProcess sim({"--fast", "--dollar-noise", "30", "--seed", "3"});
  ASSERT_TRUE(sim.running());
  for (int i = 0; i < 2; ++i) {
    sim.send("$3#");
    const QByteArray noisy = sim.receive(30 + kAboutReply.size());
    EXPECT_TRUE(noisy.startsWith('$'));
    EXPECT_TRUE(noisy.endsWith(kAboutReply));
  }
}

TEST(Program, PlaysAScript) {
  QTemporaryFile file;
  ASSERT_TRUE(file.open());
  file.write(
      "expect about\n"
      "send \"$6\" 98*\"-\"    # 100 bytes in all\n"
      "expect write\n"
      "answer              # stores it\n"
      "expect read\n"
      "send-text $5\n"
      "wait 300\n"
      "answer\n");
  file.close();
  SimProcess sim({"--fast", "--script", file.fileName(), "--filler", "ff"});
  ASSERT_TRUE(sim.running());
  sim.send("$2#");  // not expected: not answered
  EXPECT_EQ(sim.receiveFor(100), "");
  sim.send("$3#");
  EXPECT_EQ(sim.receive(100), "$6" + QByteArray(98, '-'));
  sim.send(kWrite);
  EXPECT_EQ(sim.receive(5), "$4\xff\xff\xff");
  QElapsedTimer clock;
  clock.start();
  sim.send("$2#");
  EXPECT_EQ(sim.receive(2), "$5");
  EXPECT_EQ(sim.receiveFor(250), "");
  const QByteArray read = sim.receive(412);
  EXPECT_GE(clock.elapsed(), 300);
  EXPECT_EQ(read.mid(98, 12), "NOCALL-9\xff\xff\xff\xff");  // what the write stored
  sim.send("$2#");
  EXPECT_EQ(sim.receiveFor(100), "");  // the script is over
  EXPECT_TRUE(sim.logged("script line 1 expects about: read not answered"));
  EXPECT_TRUE(sim.logged("script over: read not answered"));
}

}  // namespace
}  // namespace vorlan::sim::test
