// The answers' faults and timing: noise, a Read answered late, answers one request late, and the
// answers a Read and About get with --radio-read and --about-100.
#include <gtest/gtest.h>

#include "bytes_print.h"
#include "tools/device_sim/read_back.h"
#include "tools/device_sim/responder.h"

namespace vorlan::sim {

void PrintTo(const Outgoing& out, std::ostream* os) {
  ::PrintTo(out.bytes, os);
  *os << " after " << out.delayMs << " ms";
}

namespace {

const Frame kRead{FrameKind::Read, "$2#"};
const Frame kAbout{FrameKind::About, "$3#"};
const Frame kInstruction{FrameKind::Instruction, "**3@A@B@C"};
const Frame kMessage{FrameKind::Message, "*@A*hi"};
const Frame kNoise{FrameKind::Noise, "zz"};
const QByteArray kReadBack = ReadBackReply(DefaultConfiguration(), ' ');
const QByteArray kAboutReply = "$6" + AboutText();

TEST(Faults, NoiseNeverLeadsAReplyDollarNoiseAlwaysHoldsALeadButNoKind) {
  std::mt19937 random(7);
  const QByteArray noise = Noise(5000, random);
  EXPECT_EQ(noise.size(), 5000);
  EXPECT_FALSE(noise.contains('$'));
  const QByteArray dollar = DollarNoise(5000, random);
  EXPECT_EQ(dollar.size(), 5000);
  EXPECT_TRUE(dollar.startsWith('$'));
  EXPECT_GT(dollar.count('$'), 1);
  for (char kind = '1'; kind <= '6'; ++kind) EXPECT_FALSE(dollar.contains(QByteArray("$") + kind));

  Faults all;
  all.noise = 3;
  all.dollarNoise = 4;
  all.wrongLead = true;
  all.wrongKind = '9';
  all.cut = 4;
  const QByteArray faulty = ApplyFaults("$4   ", all, random);
  EXPECT_EQ(faulty.size(), 11);
  EXPECT_FALSE(faulty.left(3).contains('$'));
  EXPECT_EQ(faulty.at(3), '$');
  EXPECT_TRUE(faulty.endsWith("#9  "));
  EXPECT_EQ(ApplyFaults({}, all, random), "");  // no answer, no noise
}

TEST(Responder, ARadioReadAndAHundredByteAbout) {
  Device device({.filler = '\xff', .radioRead = true, .about100 = true});
  Responder responder(device, {}, {}, 1);
  EXPECT_EQ(responder.respond(kRead).sends, std::vector<Outgoing>({{"$2\xff\xff\xff", 0}}));
  const auto about = responder.respond(kAbout).sends;
  ASSERT_EQ(about.size(), 1u);
  EXPECT_EQ(about[0].bytes, "$6" + AboutText().left(98));
  EXPECT_EQ(about[0].bytes.size(), 100);
}

TEST(Responder, AReadAnsweredLateLetsLaterFramesBeAnsweredFirst) {
  Device device;
  Responder responder(device, {}, {.delayMs = 20, .lateReadMs = 300}, 1);
  EXPECT_EQ(responder.respond(kRead).sends, std::vector<Outgoing>({{kReadBack, 320}}));
  EXPECT_EQ(responder.respond(kAbout).sends, std::vector<Outgoing>({{kAboutReply, 20}}));
}

TEST(Responder, StaleRepliesComeInPairsAfterTheNextRequest) {
  Device device;
  Responder responder(device, {}, {.delayMs = 10, .staleReply = true}, 1);
  const struct {
    Frame frame;
    std::vector<Outgoing> sends;
  } rows[] = {
      {kRead, {}},                                    // held
      {kNoise, {}},                                   // no request: still held
      {kAbout, {{kReadBack, 0}, {kAboutReply, 10}}},  // the Read's answer first, at once
      {kInstruction, {}},                             // held
      {kMessage, {{"$3   ", 0}}},                     // a message releases it
      {kMessage, {}},                                 // nothing to hold, nothing held
      {kRead, {}},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(responder.respond(row.frame).sends, row.sends) << FrameKindName(row.frame.kind);
  }
}

}  // namespace
}  // namespace vorlan::sim
