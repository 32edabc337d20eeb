// The simulated device's side of the protocol, without a port.
#include <gtest/gtest.h>

#include "link/write_frame.h"
#include "params/presets.h"
#include "tools/device_sim/device.h"
#include "ui/lang/en/en_language.h"

namespace vorlan::sim {
namespace {

TEST(DeviceSim, StoresASoundWriteFrameRefusesEveryUnsoundOneAndReadsBack) {
  const QByteArray good = BuildWriteFrame(InitialParameters(EnglishLanguage()), EnglishLanguage());
  auto at = [&](int column, char c) {  // column counts from 1 at the "$"
    return QByteArray(good).replace(column - 1, 1, QByteArray(1, c));
  };
  auto replace = [&](const char* from, const char* to) {
    return QByteArray(good).replace(from, to);
  };
  const std::pair<const char*, QByteArray> unsound[] = {
      {"short head text", replace("2300.00N", "2300.0N")},
      {"Server1Enable 2", at(64, '2')},
      {"Server2Enable 1", at(65, '1')},
      {"work mode 7", at(59, '7')},
      {"flag x", at(79, 'x')},
      {"reserved y", at(61, 'y')},
      {"eleven tail fields", replace("m/50|#", "#")},
      {"tail text too long", replace("NOCALL-9|", "NOCALL-9ABCDE|")},
      {"counting filler", replace("1234567890123456", "1234567890123457")},
      {"no end mark", good.chopped(1)},
      {"no head end", replace("&", "|")},
  };
  Device device('\xff');
  const QByteArray ff3(3, '\xff');
  for (const auto& [what, frame] : unsound) {
    EXPECT_EQ(device.answer({FrameKind::Write, frame}).reply, "$5" + ff3) << what;
  }
  EXPECT_EQ(device.configuration(), DefaultConfiguration());  // nothing unsound was stored
  EXPECT_EQ(device.answer({FrameKind::Write, good}).reply, "$4" + ff3);
  const QByteArray read = device.answer({FrameKind::Read, "$2#"}).reply;
  EXPECT_EQ(read.size(), 412);
  EXPECT_EQ(read.mid(98, 12), "NOCALL-9" + QByteArray(4, '\xff'));  // padded with the filler
  EXPECT_EQ(device.answer({FrameKind::Instruction, "**3@A@B@C"}).reply, "$3" + ff3);
}

TEST(DeviceSim, CutsTheStreamIntoFrames) {
  using K = FrameKind;
  const struct {
    QList<QByteArray> pieces;
    std::vector<Frame> beforePause;
    std::vector<Frame> atPause;
  } rows[] = {
      {{"$", "2", "#"}, {{K::Read, "$2#"}}, {}},
      {{"$2#$3#"}, {{K::Read, "$2#"}, {K::About, "$3#"}}, {}},
      {{"xy$3#"}, {{K::Noise, "xy"}, {K::About, "$3#"}}, {}},
      {{"$0ab&c|", "d|#$2"}, {{K::Write, "$0ab&c|d|#"}}, {{K::Noise, "$2"}}},
      {{"$0ab&c|"}, {}, {{K::Write, "$0ab&c|"}}},
      {{"*@NOCALL*", "hello"}, {}, {{K::Message, "*@NOCALL*hello"}}},
      {{"**3@A@B@", "C"}, {}, {{K::Instruction, "**3@A@B@C"}}},
      {{"*", "*3@"}, {}, {{K::Instruction, "**3@"}}},
  };
  for (const auto& row : rows) {
    FrameAssembler assembler;
    std::vector<Frame> frames;
    for (const auto& piece : row.pieces)
      std::ranges::move(assembler.feed(piece), std::back_inserter(frames));
    EXPECT_EQ(frames, row.beforePause) << row.pieces.join('/').toStdString();
    EXPECT_EQ(assembler.pause(), row.atPause) << row.pieces.join('/').toStdString();
    EXPECT_FALSE(assembler.waiting());
  }
}

// The other faults show through the link's tests; noise must never hold a "$" the tool would take
// for a reply's lead.
TEST(DeviceSim, NoiseGoesBeforeAReplyAndNeverHoldsTheLead) {
  std::mt19937 random(7);
  Faults noise;
  noise.noise = 2000;
  const QByteArray noisy = ApplyFaults("$4   ", noise, random);
  EXPECT_EQ(noisy.size(), 2005);
  EXPECT_FALSE(noisy.left(2000).contains('$'));
  EXPECT_TRUE(noisy.endsWith("$4   "));
  EXPECT_TRUE(ApplyFaults({}, noise, random).isEmpty());  // no reply, no noise
}

}  // namespace
}  // namespace vorlan::sim
