// What the device takes from a write frame, what it refuses, and a field stored wrong on purpose.
#include <gtest/gtest.h>

#include "bytes_print.h"
#include "tools/device_sim/corruption.h"
#include "tools/device_sim/device.h"
#include "tools/device_sim/read_back.h"

namespace vorlan::sim {
namespace {

// The English build's start values.
const QByteArray kGood =
    "$0NOGROU4802710000040302300.00N11300.00E144.640144.39000001[xxx102050713xxxxxx0110001111000000"
    "&NOCALL-9|WIDE1-1,WIDE2-1|VORLAN|NOSSID|58203746|||1234567890123456|rotate.aprs2.net:14580||x|"
    "m/50|#";

QByteArray At(int column, char c) {  // column counts from 1 at the "$"
  return QByteArray(kGood).replace(column - 1, 1, QByteArray(1, c));
}
QByteArray Replaced(const char* from, const char* to) {
  return QByteArray(kGood).replace(from, to);
}

TEST(WriteFrame, EveryFaultyFrameGetsFiveAndNothingIsStored) {
  const std::pair<const char*, QByteArray> refused[] = {
      {"head text a byte short", Replaced("2300.00N", "2300.0N")},
      {"head text a byte long", Replaced("NOGROU", "NOGROUP")},
      {"\"&\" inside a head text", At(10, '&')},
      {"no \"&\"", Replaced("&", "")},
      {"work mode 5", At(59, '5')},
      {"Server1Enable 2", At(64, '2')},
      {"Server2Enable 1", At(65, '1')},
      {"first flag x", At(79, 'x')},
      {"last flag 2", At(94, '2')},
      {"reserved mark at 61", At(61, 'y')},
      {"reserved mark at 78", At(78, 'X')},
      {"eleven tail fields", Replaced("m/50|#", "#")},
      {"thirteen tail fields", Replaced("NOCALL-9|", "NOCALL|-9|")},
      {"last tail field not closed", Replaced("m/50|#", "m/50#")},
      {"Callsign of 13 bytes", Replaced("NOCALL-9|", "NOCALL-9ABCDE|")},
      {"BeaconText of 65 bytes", Replaced("VORLAN|", QByteArray(65, 'b').append('|'))},
      {"Filter of 49 bytes", Replaced("m/50|", QByteArray(49, 'f').append('|'))},
      {"counting filler changed", Replaced("1234567890123456", "1234567890123457")},
      {"counting filler empty", Replaced("1234567890123456", "")},
      {"tail mark y", Replaced("|x|", "|y|")},
      {"no end mark", kGood.chopped(1)},
      {"no lead", kGood.mid(2)},
  };
  Device device({.filler = '\xff'});
  for (const auto& [what, frame] : refused) {
    const Answer answer = device.answer({FrameKind::Write, frame});
    EXPECT_EQ(answer.reply, "$5\xff\xff\xff") << what;
    EXPECT_TRUE(answer.note.startsWith("write frame refused: ")) << what;
  }
  EXPECT_EQ(device.configuration(), DefaultConfiguration());
}

TEST(WriteFrame, WhatTheDeviceTakesReadsBackByteForByte) {
  // Texts at full width, bytes that are no ASCII, delimiters where the device does not look for
  // them, every code at its other value.
  const QByteArray gb18030 = "\xc8\xba\xba\xf4\xbd\xd0";  // 群呼叫
  const QByteArray frame = "$0" + gb18030 +
                           "4802710000040302300.00N11300.00E144.640144.39000004$xxx022050713xxxxxx"
                           "1001110000111111&CALLSIGN-12&|" +
                           QByteArray(20, '\xff') + '|' + QByteArray(64, '\0') +
                           "|$2*@||||1234567890123456|" + QByteArray(32, 's') + "||x|" +
                           QByteArray(48, '*') + "|#";
  Device device({.filler = ' '});
  ASSERT_EQ(device.answer({FrameKind::Write, frame}).reply, "$4   ");
  const QByteArray read = device.answer({FrameKind::Read, "$2#"}).reply;
  const std::pair<int, QByteArray> positions[] = {
      {1, "$11001110000111111" + gb18030},  // kind, flags, GroupCall
      {75, "4$   02"},                      // WorkMode, SymbolCode, reserved, the server flags
      {99, "CALLSIGN-12&" + QByteArray(20, '\xff') + QByteArray(64, '\0') + "$2*@" +
               QByteArray(12, ' ')},
      {227, QByteArray(48, ' ') + QByteArray(32, 's') + QByteArray(48, ' ') + QByteArray(48, '*')},
      {403, QByteArray(10, ' ')},
  };
  ASSERT_EQ(read.size(), 412);
  for (const auto& [position, bytes] : positions) {
    EXPECT_EQ(read.mid(position - 1, bytes.size()), bytes) << "position " << position;
  }
}

TEST(WriteFrame, AFieldStoredWrongOnPurpose) {
  const struct {
    const char* field;
    QByteArray sent, stored;
  } rows[] = {
      {"Callsign", "NOCALL-9", "AOCALL-9"},
      {"Path", "AB", "BB"},
      {"AlarmPhone", "", "A"},
      {"Digipeater", "0", "1"},
      {"IsToRf", "1", "0"},
      {"Server1Enable", "1", "0"},
      {"Server2Enable", "0", "2"},
      {"Server2Enable", "2", "0"},
      {"WorkMode", "1", "2"},
      {"WorkMode", "4", "0"},
  };
  for (const auto& row : rows) EXPECT_EQ(Corrupted(row.field, row.sent), row.stored) << row.field;
  EXPECT_TRUE(IsStoredField("Filter"));
  EXPECT_FALSE(IsStoredField("HisCallsign"));

  Device device({.corruptField = "Callsign"});
  const Answer answer = device.answer({FrameKind::Write, kGood});
  EXPECT_EQ(answer.reply, "$4   ");
  EXPECT_EQ(answer.note, "stored Callsign wrong: \"AOCALL-9\"");
  EXPECT_EQ(ReadBackBody(device.configuration(), ' ').mid(96, 12), "AOCALL-9    ");
  Device faithful;
  faithful.answer({FrameKind::Write, kGood});
  Configuration differs = device.configuration();
  differs["Callsign"] = "NOCALL-9";
  EXPECT_EQ(differs, faithful.configuration());  // only that field
}

}  // namespace
}  // namespace vorlan::sim
