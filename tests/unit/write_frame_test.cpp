// The write frame byte for byte, and every refusal of a request the device would misread.

#include "link/write_frame.h"

#include <gtest/gtest.h>

#include "link/requests.h"
#include "params/field_table.h"
#include "read_back.h"
#include "ui/lang/en/en_language.h"
#include "ui/lang/zh/zh_language.h"
#include "ui/messages.h"

namespace vorlan::test {
namespace {

// The start values of each build, with its server texts in place of the 19, 15 and 22 characters
// the 191- and 209-byte frames count.
TEST(WriteFrame, WorkedExampleInBothBuilds) {
  const QByteArray common =
      "$0NOGROU4802710000040302300.00N11300.00E144.640144.39000001[xxx102050713xxxxxx0110001111"
      "000000&NOCALL-9|WIDE1-1,WIDE2-1|VORLAN|NOSSID|58203746|||1234567890123456|";
  const struct {
    const ServerPresets& servers;
    QByteArray frame;
    int size;
  } rows[] = {
      {kRotateServers, common + "rotate.aprs2.net:14580||x|m/50|#", 191 - 19 + 22},
      {kAsiaServers, common + "asia.aprs2.net:14580|rotate.aprs.net:10008|x|m/50|#",
       209 - 15 - 22 + 20 + 21},
  };
  for (const auto& row : rows) {
    const auto request = WriteRequest(InitialParameters(row.servers));
    ASSERT_TRUE(std::holds_alternative<Request>(request));
    EXPECT_EQ(std::get<Request>(request),
              (Request{row.frame, 5, {ReplyKind::WriteDone, ReplyKind::WriteIncomplete}}));
    EXPECT_EQ(row.frame.size(), row.size);
  }
}

// All flags off, then each on by itself at its column: "1", or "2" for Server2Enable.
TEST(WriteFrame, EachFlagHasItsOwnColumn) {
  struct Row {
    Field field;
    int column;
    char on;
  };
  std::vector<Row> rows = {{Field::Server1Enable, 64, '1'}, {Field::Server2Enable, 65, '2'}};
  // The check boxes follow from column 79 in the read-back's order.
  for (int i = 0; i < kFlagSpans; ++i) {
    rows.push_back({*FieldNamed(kReadBackSpans[i].field), 79 + i, '1'});
  }
  ParameterSet allOff = InitialParameters(kRotateServers);
  for (const auto& row : rows) allOff.setFlag(row.field, false);
  const QByteArray off = BuildWriteFrame(allOff);
  EXPECT_EQ(off.mid(63, 2) + off.mid(78, 16), QByteArray(18, '0'));

  for (const auto& row : rows) {
    ParameterSet params = allOff;
    params.setFlag(row.field, true);
    QByteArray expected = off;
    expected[row.column - 1] = row.on;
    EXPECT_EQ(BuildWriteFrame(params), expected) << Def(row.field).name;
  }
}

TEST(Requests, FixedRequestsInstructionAndMessageFrames) {
  EXPECT_EQ(ReadRequest(), (Request{"$2#", 412, {ReplyKind::ReadBack}}));
  EXPECT_EQ(AboutRequest(), (Request{"$3#", 102, {ReplyKind::DeviceText}}));
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
  // Empty fields are sound; a message awaits no reply.
  // Neither frame ends with an end mark: the device finds their end by the quiet after them.
  const auto instruction = InstructionRequest({"", "", "", ""}, "");
  ASSERT_TRUE(std::holds_alternative<Request>(instruction));
  EXPECT_EQ(std::get<Request>(instruction),
            (Request{"**3@@@", 5, {ReplyKind::RadioReadDone, ReplyKind::RadioWriteDone}, false}));
  EXPECT_EQ(std::get<Request>(MessageRequest({"BH4ABC", "", "", "hi"})),
            (Request{"*@BH4ABC*hi", 0, {}, false}));
}

enum class Kind { Write, Instruction, Message };

OrRefusal<Request> Build(Kind kind, Field field, const QString& value) {
  ParameterSet params = InitialParameters(kRotateServers);
  SendFields send = InitialSendFields();
  if (IsParameter(field)) {
    params.setText(field, value);
  } else {
    send.setText(field, value);
  }
  switch (kind) {
    case Kind::Write:
      return WriteRequest(params);
    case Kind::Instruction:
      return InstructionRequest(send, params.text(Field::Callsign));
    case Kind::Message:
      return MessageRequest(send);
  }
  return Refusal{};
}

// What the device or the receiving station would misread is refused as a value naming the field
// and the rule, and each build words it with the field's label.
TEST(Requests, RefusedAsValuesAndWordedInBothBuilds) {
  using R = Refusal::Rule;
  const struct {
    Kind kind;
    Field field;
    QString value;
    Refusal refusal;
    const char* english;
    const char* chinese;
  } rows[] = {
      {Kind::Write,
       Field::Latitude,
       "2301.5N",
       {Field::Latitude, R::HeadWidth, 8, 7},
       "Nothing was written: \"Latitude\" must take exactly 8 bytes on the line, it takes 7 (a "
       "Chinese character takes 2).",
       "未写入: “纬度”必须正好是8个字节, 现在是7个。"},
      {Kind::Write,
       Field::GroupCall,
       "",
       {Field::GroupCall, R::HeadWidth, 6, 0},
       "Group Call",
       "群呼号"},
      {Kind::Write,
       Field::SymbolCode,
       "中",
       {Field::SymbolCode, R::HeadWidth, 1, 2},
       "Symbol/",
       "符号"},
      {Kind::Write,
       Field::Callsign,
       "中文呼号七个字",
       {Field::Callsign, R::TailTooLong, 12, 14},
       "Nothing was written: \"Callsign\" takes at most 12 bytes on the line, it takes 14 (a "
       "Chinese character takes 2).",
       "未写入: “呼号”最多12个字节, 现在是14个。"},
      {Kind::Write,
       Field::Server1,
       QString(23, 'h') + "中文:14580",
       {Field::Server1, R::TailTooLong, 32, 33},
       "APRS Server 1",
       "APRS服务器1"},
      {Kind::Write,
       Field::BeaconText,
       "AT&T",
       {Field::BeaconText, R::Delimiter, 0, 0, "&"},
       "Nothing was sent: \"Text\" must not contain the character \"&\".",
       "未发送: “文本”不能含有字符“&”。"},
      {Kind::Write,
       Field::Path,
       "WIDE1-1|",
       {Field::Path, R::Delimiter, 0, 0, "|"},
       "Path",
       "路径"},
      {Kind::Write,
       Field::Server2,
       "#host:10008",
       {Field::Server2, R::Delimiter, 0, 0, "#"},
       "APRS Server 2",
       "APRS服务器2"},
      {Kind::Write,
       Field::WifiSsid,
       "net亅5",
       {Field::WifiSsid, R::Delimiter, 0, 0, "亅"},
       "WiFi SSID",
       "WiFi名字"},  // 亅 is 81 7C
      {Kind::Write,
       Field::GroupCall,
       "NOG&OU",
       {Field::GroupCall, R::Delimiter, 0, 0, "&"},
       "Group Call",
       "群呼号"},
      {Kind::Instruction,
       Field::HisCallsign,
       "BH4@BC",
       {Field::HisCallsign, R::Delimiter, 0, 0, "@"},
       "His Callsign",
       "对方呼号"},
      {Kind::Instruction,
       Field::HisPassword,
       "40@KQZ",
       {Field::HisPassword, R::Delimiter, 0, 0, "@"},
       "His Password",
       "对方密码"},
      {Kind::Instruction,
       Field::Callsign,
       "BG丂",
       {Field::Callsign, R::Delimiter, 0, 0, "丂"},
       "Callsign",
       "呼号"},  // 丂 is 81 40
      {Kind::Message,
       Field::HisCallsign,
       "NO*CALL",
       {Field::HisCallsign, R::Delimiter, 0, 0, "*"},
       "His Callsign",
       "对方呼号"},
  };
  for (const auto& row : rows) {
    const auto request = Build(row.kind, row.field, row.value);
    ASSERT_TRUE(std::holds_alternative<Refusal>(request)) << Def(row.field).name;
    const Refusal& refusal = std::get<Refusal>(request);
    EXPECT_EQ(refusal, row.refusal) << Def(row.field).name;
    // A full text is compared whole; a label only has to be named.
    const QString en = RefusalText(refusal, EnglishLanguage());
    const QString zh = RefusalText(refusal, ChineseLanguage());
    const bool whole = QString(row.english).startsWith("Nothing");
    EXPECT_TRUE(whole ? en == row.english : en.contains("\"" + QString(row.english) + "\""))
        << en.toStdString();
    EXPECT_TRUE(whole ? zh == row.chinese : zh.contains("“" + QString(row.chinese) + "”"))
        << zh.toStdString();
  }
}

}  // namespace
}  // namespace vorlan::test
