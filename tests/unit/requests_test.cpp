// What each request puts on the line, in what order, and what it refuses to send.

#include "link/requests.h"

#include <gtest/gtest.h>

#include <functional>

#include "fake_view.h"
#include "link/write_frame.h"
#include "read_back.h"
#include "recording_link.h"
#include "ui/lang/en/en_language.h"
#include "ui/lang/zh/zh_language.h"

namespace vorlan::test {
namespace {

using Request = std::function<void(SerialLink&, WindowView&, const LanguageData&)>;
const Request kRead = [](SerialLink& l, WindowView& v, auto&) { ReadConfiguration(l, v); };
const Request kAbout = [](SerialLink& l, WindowView& v, auto&) { RequestAbout(l, v); };
const Request kWrite = WriteConfiguration;
const Request kInstruction = SendInstruction;
const Request kMessage = SendMessage;
const QStringList kClear{"OutBufferCount=0", "InBufferCount=0"};

// The start values of each build, with its server texts in place of the 19, 15 and 22 characters
// the 191- and 209-byte frames count.
TEST(WriteFrame, WorkedExampleInBothBuilds) {
  const QByteArray common =
      "$0NOGROU4802710000040302300.00N11300.00E144.640144.39000001[xxx102050713xxxxxx0110001111"
      "000000&NOCALL-9|WIDE1-1,WIDE2-1|VORLAN|NOSSID|58203746|||1234567890123456|";
  const struct {
    const LanguageData& lang;
    QByteArray frame;
    int size;
  } rows[] = {
      {EnglishLanguage(), common + "rotate.aprs2.net:14580||x|m/50|#", 191 - 19 + 22},
      {ChineseLanguage(), common + "asia.aprs2.net:14580|rotate.aprs.net:10008|x|m/50|#",
       209 - 15 - 22 + 20 + 21},
  };
  for (const auto& row : rows) {
    RecordingLink link;
    FakeView view(row.lang);
    WriteConfiguration(link, view, row.lang);
    EXPECT_EQ(link.sent, row.frame);
    EXPECT_EQ(link.sent.size(), row.size);
    EXPECT_TRUE(view.messages.isEmpty());
  }
}

// All flags off, then each on by itself at its column: "1", or "2" for Server2Enable.
TEST(WriteFrame, EachFlagHasItsOwnColumn) {
  struct Row {
    std::string_view field;
    int column;
    char on;
  };
  std::vector<Row> rows = {{"Server1Enable", 64, '1'}, {"Server2Enable", 65, '2'}};
  // The check boxes follow from column 79 in the read-back's order.
  for (int i = 0; i < kFlagSpans; ++i) rows.push_back({kReadBackSpans[i].field, 79 + i, '1'});
  ParameterSet allOff = InitialParameters(EnglishLanguage());
  for (const auto& row : rows) *allOff.flag(row.field) = false;
  const QByteArray off = BuildWriteFrame(allOff, EnglishLanguage());
  EXPECT_EQ(off.mid(63, 2) + off.mid(78, 16), QByteArray(18, '0'));

  for (const auto& row : rows) {
    ParameterSet params = allOff;
    *params.flag(row.field) = true;
    QByteArray expected = off;
    expected[row.column - 1] = row.on;
    EXPECT_EQ(BuildWriteFrame(params, EnglishLanguage()), expected) << row.field;
  }
}

// Each request's operations; a failing one ends it there, with the link's error shown once.
TEST(Requests, SerialOperationsInOrderAndAFailingStepEndsThere) {
  const LanguageData& en = EnglishLanguage();
  const QString frame = QString::fromLatin1(BuildWriteFrame(InitialParameters(en), en));
  const struct {
    Request request;
    QStringList log;
  } rows[] = {
      {kRead, kClear + QStringList{"Output=$2#", "RThreshold=412"}},
      {kAbout, kClear + QStringList{"Output=$3#", "RThreshold=102"}},
      {kWrite, kClear + QStringList{"Output=" + frame, "RThreshold=5"}},
      {kInstruction, kClear + QStringList{"Output=**3@NOCALL@407KQZ@NOCALL-9", "RThreshold=5"}},
      {kMessage, {"Output=*@NOCALL*hello"}},  // clears nothing and keeps what is armed
  };
  for (const auto& row : rows) {
    for (qsizetype failing = 0; failing <= row.log.size(); ++failing) {
      RecordingLink link;
      FakeView view(en);
      if (failing < row.log.size()) {
        link.failAt = row.log[failing].section('=', 0, 0);
        link.failWith = "COM2 is not open";
      }
      row.request(link, view, en);

      EXPECT_EQ(link.log, row.log.mid(0, failing));
      EXPECT_EQ(view.messages.join(""), link.failWith);
      EXPECT_TRUE(view.changes.isEmpty());
    }
  }
}

TEST(Requests, InstructionAndMessageFrames) {
  const QString his12 = "BH4ABC-10XYZ";
  const struct {
    QByteArray frame, expected;
    int size;
  } rows[] = {
      {BuildInstructionFrame("NOCALL", "407KQZ", "NOCALL-9", ""), "**3@NOCALL@407KQZ@NOCALL-9", 26},
      {BuildInstructionFrame(his12, "123456", "BD7XYZ-15ABC", QString(48, 'i')),
       "**3@BH4ABC-10XYZ@123456@BD7XYZ-15ABC" + QByteArray(48, 'i'), 84},
      {BuildInstructionFrame("北", "京", "中", "文"), "**3@\xb1\xb1@\xbe\xa9@\xd6\xd0\xce\xc4", 14},
      {BuildMessageFrame("NOCALL", "hello"), "*@NOCALL*hello", 14},
      {BuildMessageFrame(his12, QString(150, 'm')), "*@BH4ABC-10XYZ*" + QByteArray(150, 'm'), 165},
      {BuildMessageFrame("北", "a@b*c京"), "*@\xb1\xb1*a@b*c\xbe\xa9", 12},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(row.frame, row.expected);
    EXPECT_EQ(row.frame.size(), row.size);
  }
  // The other frame's separator and empty fields are sound.
  EXPECT_EQ(CheckInstructionFrame("BH4*BC", "", "", EnglishLanguage()), std::nullopt);
  EXPECT_EQ(CheckMessageFrame("BH4@BC", EnglishLanguage()), std::nullopt);
}

// What the device or the receiving station would misread is refused with one message naming the
// field, before anything is cleared or sent.
TEST(Requests, RefusedBeforeAnythingIsSent) {
  const struct {
    Request request;
    const char* field;
    QString value;
    const char* labelEn;
    const char* labelZh;
  } rows[] = {
      {kWrite, "Latitude", "2301.5N", "Latitude", "纬度"},
      {kWrite, "GroupCall", "", "Group Call", "群呼号"},
      {kWrite, "SymbolCode", "中", "Symbol/", "符号"},
      {kWrite, "WorkMode", "ch1 tx/rx", "Work Mode", "工作模式"},
      {kWrite, "Callsign", "中文呼号七个字", "Callsign", "呼号"},  // 14 bytes for 12
      {kWrite, "Server1", QString(23, 'h') + "中文:14580", "APRS Server 1", "APRS服务器1"},
      {kWrite, "BeaconText", "AT&T", "Text", "文本"},
      {kWrite, "Path", "WIDE1-1|", "Path", "路径"},
      {kWrite, "Server2", "#host:10008", "APRS Server 2", "APRS服务器2"},
      {kWrite, "WifiSsid", "net亅5", "WiFi SSID", "WiFi名字"},  // 亅 is 81 7C
      {kWrite, "GroupCall", "NOG&OU", "Group Call", "群呼号"},
      {kWrite, "SymbolCode", "|", "Symbol/", "符号"},
      {kInstruction, "HisCallsign", "BH4@BC", "His Callsign", "对方呼号"},
      {kInstruction, "HisPassword", "40@KQZ", "His Password", "对方密码"},
      {kInstruction, "Callsign", "NOCALL@9", "Callsign", "呼号"},
      {kInstruction, "Callsign", "BG丂", "Callsign", "呼号"},  // 丂 is 81 40
      {kMessage, "HisCallsign", "NO*CALL", "His Callsign", "对方呼号"},
  };
  for (const LanguageData* lang : {&EnglishLanguage(), &ChineseLanguage()}) {
    for (const auto& row : rows) {
      RecordingLink link;
      FakeView view(*lang);
      view.texts[row.field] = row.value;

      row.request(link, view, *lang);

      EXPECT_TRUE(link.log.isEmpty()) << row.field;
      ASSERT_EQ(view.messages.size(), 1) << row.field;
      const char* label = lang == &EnglishLanguage() ? row.labelEn : row.labelZh;
      EXPECT_TRUE(view.messages[0].contains(label)) << view.messages[0].toStdString();
    }
  }
}

}  // namespace
}  // namespace vorlan::test
