#include "link/requests.h"

#include <gtest/gtest.h>

#include <functional>

#include "fake_view.h"
#include "link/write_frame.h"
#include "qt_print.h"
#include "recording_link.h"
#include "ui/lang/en/en_language.h"
#include "ui/lang/zh/zh_language.h"

namespace vorlan {
namespace {

using test::FakeView;
using test::RecordingLink;

using Request = std::function<void(SerialLink&, WindowView&)>;
const LanguageData& En() {
  return EnglishLanguage();
}

const Request kRead = [](SerialLink& l, WindowView& v) { ReadConfiguration(l, v); };
const Request kAbout = [](SerialLink& l, WindowView& v) { RequestAbout(l, v); };
const Request kWrite = [](SerialLink& l, WindowView& v) { WriteConfiguration(l, v, En()); };
const Request kInstruction = [](SerialLink& l, WindowView& v) { SendInstruction(l, v, En()); };
const Request kMessage = [](SerialLink& l, WindowView& v) { SendMessage(l, v, En()); };

const QString kEnglishFrame =
    "$0NOGROU4802710000040302300.00N11300.00E144.640144.39000001[xxx102050713xxxxxx0110001111000000"
    "&NOCALL-9|WIDE1-1,WIDE2-1|VORLAN|NOSSID|58203746|||1234567890123456|rotate.aprs2.net:14580||x|"
    "m/50|#";

struct OrderRow {
  const char* name;
  Request request;
  QStringList log;
};
const OrderRow kOrder[] = {
    {"Read", kRead, {"OutBufferCount=0", "InBufferCount=0", "Output=$2#", "RThreshold=412"}},
    {"About", kAbout, {"OutBufferCount=0", "InBufferCount=0", "Output=$3#", "RThreshold=102"}},
    {"Write",
     kWrite,
     {"OutBufferCount=0", "InBufferCount=0", "Output=" + kEnglishFrame, "RThreshold=5"}},
    {"Instruction",
     kInstruction,
     {"OutBufferCount=0", "InBufferCount=0", "Output=**3@NOCALL@407KQZ@NOCALL-9", "RThreshold=5"}},
    {"Message", kMessage, {"Output=*@NOCALL*hello"}},
};

TEST(Requests, SerialOperationsInOrder) {
  for (const auto& row : kOrder) {
    SCOPED_TRACE(row.name);
    RecordingLink link;
    FakeView view(En());
    link.feed("$1part of an earlier reply");
    link.threshold = 412;

    row.request(link, view);

    EXPECT_EQ(link.log, row.log);
    EXPECT_TRUE(view.messages.isEmpty());
    EXPECT_TRUE(view.changes.isEmpty());
    if (row.log.size() == 1) {  // a message clears nothing and keeps what is armed
      EXPECT_EQ(link.inBuffer, QByteArray("$1part of an earlier reply"));
      EXPECT_EQ(link.threshold, 412);
    }
  }
}

TEST(Requests, FailingLinkStepStopsThereAndIsShownOnce) {
  for (const auto& row : kOrder) {
    for (qsizetype step = 0; step < row.log.size(); ++step) {
      const QString failAt = row.log[step].section('=', 0, 0);
      SCOPED_TRACE((row.name + QString(" at ") + failAt).toStdString());
      RecordingLink link;
      FakeView view(En());
      link.failAt = failAt;
      link.failWith = "COM2 is not open";

      row.request(link, view);

      EXPECT_EQ(link.log, row.log.mid(0, step));
      EXPECT_EQ(view.messages, QStringList{"COM2 is not open"});
    }
  }
}

TEST(Requests, InstructionAndMessageFrames) {
  const QString his12 = "BH4ABC-10XYZ", callsign12 = "BD7XYZ-15ABC", instruction48(48, 'i');
  const QString message150(150, 'm');
  struct Row {
    QString hisCallsign, hisPassword, callsign, text;
    QByteArray instruction, message;
  } rows[] = {
      {"NOCALL", "407KQZ", "NOCALL-9", "", "**3@NOCALL@407KQZ@NOCALL-9", "*@NOCALL*"},
      {"NOCALL", "407KQZ", "NOCALL-9", "QTH?", "**3@NOCALL@407KQZ@NOCALL-9QTH?", "*@NOCALL*QTH?"},
      {"", "", "NOCALL-9", "hello", "**3@@@NOCALL-9hello", "*@*hello"},
      {his12, "123456", callsign12, instruction48,
       "**3@BH4ABC-10XYZ@123456@BD7XYZ-15ABC" + QByteArray(48, 'i'), ""},
      {his12, "", "", message150, "", "*@BH4ABC-10XYZ*" + QByteArray(150, 'm')},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.instruction.constData());
    if (!row.instruction.isEmpty()) {
      EXPECT_EQ(BuildInstructionFrame(row.hisCallsign, row.hisPassword, row.callsign, row.text),
                row.instruction);
    }
    if (!row.message.isEmpty()) {
      EXPECT_EQ(BuildMessageFrame(row.hisCallsign, row.text), row.message);
    }
  }
  EXPECT_EQ(rows[0].instruction.size(), 26);
  EXPECT_EQ(rows[3].instruction.size(), 84);
  EXPECT_EQ(BuildMessageFrame("NOCALL", "hello").size(), 14);
  EXPECT_EQ(rows[4].message.size(), 165);
}

// A frame whose own separator stands inside a field would be split wrongly by the receiving
// station: refused before anything is cleared or sent.
TEST(Requests, SeparatorInsideAFieldIsRefused) {
  struct Row {
    bool instruction;
    const char* field;
    QString value;
    const char* labelEn;
    const char* labelZh;
  } rows[] = {
      {true, "HisCallsign", "BH4@BC", "His Callsign", "对方呼号"},
      {true, "HisPassword", "40@KQZ", "His Password", "对方密码"},
      {true, "Callsign", "NOCALL@9", "Callsign", "呼号"},
      {true, "Callsign", "BG丂", "Callsign", "呼号"},  // 丂 is 81 40: its second byte is "@"
      {false, "HisCallsign", "NO*CALL", "His Callsign", "对方呼号"},
  };
  for (const LanguageData* lang : {&EnglishLanguage(), &ChineseLanguage()}) {
    for (const auto& row : rows) {
      SCOPED_TRACE(
          (QString(lang->language.data()) + " " + row.field + "=" + row.value).toStdString());
      RecordingLink link;
      FakeView view(*lang);
      link.threshold = 412;
      view.texts[row.field] = row.value;

      if (row.instruction) {
        SendInstruction(link, view, *lang);
      } else {
        SendMessage(link, view, *lang);
      }

      EXPECT_TRUE(link.log.isEmpty());
      EXPECT_EQ(link.threshold, 412);
      ASSERT_EQ(view.messages.size(), 1);
      EXPECT_TRUE(view.messages[0].contains(lang->language == "en" ? row.labelEn : row.labelZh))
          << view.messages[0].toStdString();
    }
  }

  // The other frame's separator, and an empty field, are sound.
  RecordingLink link;
  FakeView view(En());
  view.texts["HisCallsign"] = "";
  view.texts["Message"] = "a@b*c";
  SendMessage(link, view, En());
  view.texts["HisCallsign"] = "BH4*BC";
  view.texts["HisPassword"] = "";
  SendInstruction(link, view, En());
  view.texts["HisPassword"] = "407kqz";  // sent as typed, lower case included
  SendInstruction(link, view, En());
  EXPECT_EQ(link.sent, QByteArray("*@*a@b*c**3@BH4*BC@@NOCALL-9**3@BH4*BC@407kqz@NOCALL-9"));
  EXPECT_TRUE(view.messages.isEmpty());
}

}  // namespace
}  // namespace vorlan
