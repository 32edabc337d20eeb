#include <gtest/gtest.h>

#include "link/write_frame.h"
#include "params/presets.h"
#include "tools/device_sim/configuration.h"
#include "tools/device_sim/device.h"
#include "tools/device_sim/frame_assembler.h"
#include "ui/lang/en/en_language.h"

namespace vorlan::sim {
namespace {

QByteArray InitialFrame() {
  return BuildWriteFrame(InitialParameters(EnglishLanguage()), EnglishLanguage());
}

TEST(DeviceSim, ReadsTheToolsWriteFrameFieldForField) {
  const ParsedFrame parsed = ParseWriteFrame(InitialFrame());
  ASSERT_TRUE(parsed.configuration) << parsed.problem.toStdString();
  const Configuration& c = *parsed.configuration;
  EXPECT_EQ(c.size(), 44u);
  const std::pair<const char*, QByteArray> rows[] = {
      {"GroupCall", "NOGROU"}, {"Latitude", "2300.00N"}, {"Longitude", "11300.00E"},
      {"WorkMode", "1"},       {"SymbolCode", "["},      {"Server1Enable", "1"},
      {"Server2Enable", "0"},  {"Digipeater", "0"},      {"AdditionalReport", "1"},
      {"IsToRf", "0"},         {"Callsign", "NOCALL-9"}, {"Path", "WIDE1-1,WIDE2-1"},
      {"AlarmPhone", ""},      {"Filter", "m/50"},       {"LoginPassword", "50713"},
  };
  for (const auto& [field, bytes] : rows) EXPECT_EQ(c.at(field), bytes) << field;
}

TEST(DeviceSim, FindsEveryUnsoundWriteFrame) {
  const QByteArray good = InitialFrame();
  auto at = [&](int column, char c) {  // column counts from 1 at the "$"
    QByteArray f = good;
    f[column - 1] = c;
    return f;
  };
  auto replace = [&](const char* from, const char* to) {
    return QByteArray(good).replace(from, to);
  };
  const std::pair<const char*, QByteArray> rows[] = {
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
  EXPECT_TRUE(ParseWriteFrame(good).configuration);
  for (const auto& [what, frame] : rows) EXPECT_FALSE(ParseWriteFrame(frame).configuration) << what;
}

TEST(DeviceSim, ReadBackPutsEveryFieldAtItsPositionPaddedWithTheFiller) {
  const QByteArray body = ReadBackBody(DefaultConfiguration(), '\0');
  ASSERT_EQ(body.size(), 400);
  auto span = [&](int position, int width) { return body.mid(position - 3, width); };
  EXPECT_EQ(span(3, 16), "1001110000111111");  // the sixteen flags
  EXPECT_EQ(span(19, 6), "SIMGRP");
  EXPECT_EQ(span(75, 2), "4>");
  EXPECT_EQ(span(77, 3), QByteArray(3, '\0'));
  EXPECT_EQ(span(80, 9), "023024680");
  EXPECT_EQ(span(89, 10), QByteArray(10, '\0'));
  EXPECT_EQ(span(99, 12), "SIM1-7" + QByteArray(6, '\0'));
  EXPECT_EQ(span(131, 9).toHex(), "c4a3c4e2c9e8b1b820");  // GB18030 text, byte for byte
  EXPECT_EQ(span(355, 48), "r/31.5/121.5/100" + QByteArray(32, '\0'));
}

TEST(DeviceSim, AnswersEachFrameAsTheDeviceDoes) {
  Device device('\xff');
  const QByteArray ff3(3, '\xff');
  const QByteArray read = device.answer({FrameKind::Read, "$2#"}).reply;
  EXPECT_EQ(read.size(), 412);
  EXPECT_TRUE(read.startsWith("$11001110000111111SIMGRP"));
  EXPECT_EQ(read.right(10), QByteArray(10, '\xff'));
  EXPECT_EQ(device.answer({FrameKind::About, "$3#"}).reply, "$6" + AboutText());
  EXPECT_EQ(device.answer({FrameKind::Write, InitialFrame().replace("NOGROU", "NOGRO")}).reply,
            "$5" + ff3);
  EXPECT_EQ(device.configuration().at("Callsign"), "SIM1-7");  // an unsound frame stores nothing
  EXPECT_EQ(device.answer({FrameKind::Write, InitialFrame()}).reply, "$4" + ff3);
  EXPECT_EQ(device.configuration().at("Callsign"), "NOCALL-9");
  EXPECT_EQ(device.answer({FrameKind::Instruction, "**3@A@B@C"}).reply, "$3" + ff3);
  EXPECT_TRUE(device.answer({FrameKind::Message, "*@A*hi"}).reply.isEmpty());
  EXPECT_TRUE(device.answer({FrameKind::Noise, "zz"}).reply.isEmpty());
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
    for (const auto& piece : row.pieces) {
      for (auto& f : assembler.feed(piece)) frames.push_back(f);
    }
    EXPECT_EQ(frames, row.beforePause) << row.pieces.join('/').toStdString();
    EXPECT_EQ(assembler.pause(), row.atPause) << row.pieces.join('/').toStdString();
    EXPECT_FALSE(assembler.waiting());
  }
}

TEST(DeviceSim, FaultsChangeTheReplyAsAsked) {
  std::mt19937 random(7);
  auto with = [](auto set) {
    Faults faults;
    set(faults);
    return faults;
  };
  const QByteArray reply = "$4   ";
  EXPECT_EQ(ApplyFaults(reply, with([](Faults& f) { f.cut = 2; }), random), "$4");
  EXPECT_EQ(ApplyFaults(reply, with([](Faults& f) { f.wrongLead = true; }), random), "#4   ");
  EXPECT_EQ(ApplyFaults(reply, with([](Faults& f) { f.wrongKind = 'k'; }), random), "$k   ");
  const Faults noise = with([](Faults& f) { f.noise = 2000; });
  const QByteArray noisy = ApplyFaults(reply, noise, random);
  EXPECT_EQ(noisy.size(), 2005);
  EXPECT_FALSE(noisy.left(2000).contains('$'));
  EXPECT_TRUE(noisy.endsWith(reply));
  EXPECT_TRUE(ApplyFaults({}, noise, random).isEmpty());
}

}  // namespace
}  // namespace vorlan::sim
