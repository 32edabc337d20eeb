// Replies as the window's receive event handles them: what is read from the buffer in what order,
// what the window shows, and the message of every kind in both builds.

#include "link/reply.h"
#include "answer.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include "fake_view.h"
#include "link/device_text.h"
#include "link/write_frame.h"
#include "params/field_table.h"
#include "read_back.h"
#include "recording_link.h"
#include "ui/lang/en/en_language.h"
#include "ui/lang/zh/zh_language.h"
#include "ui/window_presenter.h"
#include "ui/work_modes.h"

namespace vorlan::test {
namespace {

QByteArray B(const char* bytes, int size) {
  return QByteArray(bytes, size);
}

// A window of one build over a recording link, with the window's journal in the link's log.
struct Handler {
  explicit Handler(const LanguageData& language)
      : lang(language), view(language), actions(view, link, language) {
    view.journal = &link.log;
  }
  void receive(const QByteArray& bytes, int threshold = 412) {
    ASSERT_TRUE(Answer(actions, link, bytes, threshold));
  }
  const LanguageData& lang;
  RecordingLink link;
  FakeView view;
  ui::WindowPresenter actions;
};

// Every span of a read-back in order, and what the window shows for it (nullptr: the decoded
// bytes, which only have to come back unchanged). Only "1" ticks a check box; enable codes 1 and 2
// tick theirs.
// clang-format off
const struct {
  std::string_view field;
  QByteArray bytes;
  const char* shown = nullptr;
} kReadBack[] = {
    {"Digipeater", "1", "1"}, {"AdditionalReport", "0", "0"}, {"SmartBeacon", " ", "0"},
    {"Spare4", "1", "1"}, {"Spare5", B("\0", 1), "0"}, {"CarMode", "1", "1"},
    {"OutputTrace", "A", "0"}, {"PttTransmit", "\xff", "0"}, {"SoundPrompt", "2", "0"},
    {"MicEFormat", "0", "0"}, {"Spare11", "1", "1"}, {"IsToBluetooth", "1", "1"},
    {"FixedPosition", "0", "0"}, {"LoginServer", "1", "1"}, {"RfToIs", "1", "1"}, {"IsToRf", "1", "1"},
    {"GroupCall", B("BG7\0\0\0", 6)}, {"Password", "12\xff\xff\xff\xff"}, {"DigiNumber", "7  "},
    {"TimedTx", "15"}, {"TxInterval", "\xff\xff"}, {"TxDelay", " 5"}, {"Latitude", "2231.50N"},
    {"Longitude", B("11402.2\0\0", 9)}, {"Channel1Freq", "145.82\xff"}, {"Channel2Freq", "438.500"},
    {"TxCtcss", "\x81\x40", "丂"}, {"RxCtcss", "\xc6\xb5", "频"}, {"WorkMode", "3", "CH1or2 TX/RX"},
    {"SymbolCode", "\x80"}, {"", "1&|"}, {"Server1Enable", "0", "0"}, {"Server2Enable", "2", "1"},
    {"SendInterval", B("\0\0", 2)}, {"LoginPassword", "24680"}, {"", "9876543210"},
    {"Callsign", "\xd6\xd0\xce\xc4\xba\xf4\xba\xc5-9  ", "中文呼号-9  "},
    {"Path", Pad("WIDE1-1", 20, '\0')},
    {"BeaconText", Pad("\xc6\xb5\xb5\xc0 VORLAN", 63) + "\xc6"},  // a character cut in two
    {"WifiSsid", Pad("NOSSID", 16, '\xff')}, {"WifiPassword", Pad("\x81\x30", 16, '\x80')},
    {"AlarmPhone", Pad("", 16)}, {"MyPhone", Pad("0755-12345678", 16)}, {"", "1111111111111111"},
    {"Server1", Pad("asia.aprs2.net:14580", 32, '\0')}, {"Server2", Pad("", 32, '\xff')},
    {"", "################"}, {"Filter", Pad("m/50", 48)},
};
// clang-format on

// A value as the window shows it in the build's language.
QString Shown(const ParameterSet& params, Field f, const LanguageData& lang) {
  switch (Def(f).kind) {
    case FieldKind::Flag:
      return params.flag(f) ? "1" : "0";
    case FieldKind::WorkMode:
      return WorkModeText(params.workMode(), lang).value_or("?");
    case FieldKind::Text:
      break;
  }
  return params.text(f);
}

// All 44 fields whatever the reserved spans hold, shown once, the 10 bytes after the read-back left
// unread; then Write sends every byte back, filler included.
TEST(ReplyReadBack, FillsAllFieldsAndWritesThemBackByteForByte) {
  for (const LanguageData* lang : {&EnglishLanguage(), &ChineseLanguage()}) {
    const bool english = lang == &EnglishLanguage();
    ReadBack rb;
    QStringList expected;
    for (std::size_t i = 0; i < std::size(kReadBack); ++i) {
      const auto& row = kReadBack[i];
      const bool reserved = row.field.empty();
      rb.set(row.field, reserved && !english ? QByteArray(row.bytes.size(), '0') : row.bytes,
             kReadBackSpans[i].position);
      const QString shown = row.shown ? QString::fromUtf8(row.shown) : DecodeDeviceText(row.bytes);
      if (!reserved) expected << QString::fromLatin1(row.field) + "=" + shown;
    }
    if (!english) expected.replaceInStrings("CH1or2 TX/RX", "频道12轮流收发");
    Handler handler(*lang);

    handler.receive(rb.bytes() + "EXTRA12345");

    QStringList shown;
    for (std::size_t i = 0; i < std::size(kReadBack); ++i) {
      if (kReadBack[i].field.empty()) continue;
      const Field f = *FieldNamed(kReadBack[i].field);
      shown << QString::fromLatin1(kReadBack[i].field) + "=" + Shown(handler.view.params, f, *lang);
    }
    EXPECT_EQ(shown, expected);
    // The threshold is disarmed before the window changes and the message box opens.
    EXPECT_EQ(handler.link.log.filter(QRegularExpression("^(?!Input)")).join(' '),
              "RThreshold=0 Show Message");
    EXPECT_EQ(handler.link.inBuffer, "EXTRA12345");
    EXPECT_EQ(handler.view.messages,
              QStringList{"中文呼号-9  " + QString(english ? " Read correct!" : "读入参数成功!")});

    QByteArray frame = "$0";
    for (const char* field :
         {"GroupCall", "Password", "DigiNumber", "TimedTx", "TxInterval", "TxDelay", "Latitude",
          "Longitude", "Channel1Freq", "Channel2Freq", "TxCtcss", "RxCtcss"}) {
      frame += rb.at(field);
    }
    frame += "3" + rb.at("SymbolCode") + "xxx02" + rb.at("SendInterval") + rb.at("LoginPassword") +
             "xxxxxx1001010000110111&";
    for (const char* field : {"Callsign", "Path", "BeaconText", "WifiSsid", "WifiPassword",
                              "AlarmPhone", "MyPhone", "", "Server1", "Server2"}) {
      frame += (*field ? rb.at(field) : "1234567890123456") + "|";
    }
    frame += "x|" + rb.at("Filter") + "|#";
    ASSERT_EQ(frame.size(), 397);
    handler.actions.write();
    EXPECT_EQ(handler.link.sent.toHex(' '), frame.toHex(' '));
    EXPECT_EQ(handler.view.messages.size(), 1);
  }
}

// A server enable read back: 0 clears, 1 and 2 tick, any other byte leaves the box as it was and
// is kept; the next write sends the box's character, or the kept byte as it came.
TEST(ReplyReadBack, EnableCodes) {
  const struct {
    Field field;
    char code;
    bool before, after;
    char written;  // its byte in the next write frame
  } rows[] = {
      {Field::Server1Enable, '0', true, false, '0'}, {Field::Server1Enable, '1', false, true, '1'},
      {Field::Server1Enable, '2', false, true, '1'}, {Field::Server1Enable, '7', false, false, '7'},
      {Field::Server1Enable, 'a', true, true, 'a'},  {Field::Server2Enable, '0', true, false, '0'},
      {Field::Server2Enable, '1', false, true, '2'}, {Field::Server2Enable, '2', false, true, '2'},
      {Field::Server2Enable, '7', true, true, '7'},  {Field::Server2Enable, 'a', false, false, 'a'},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(Def(row.field).name) + " " + row.code);
    ParameterSet params = InitialParameters(kRotateServers);
    params.setFlag(row.field, row.before);
    RecordingLink link;
    link.feed(ReadBack().set(Def(row.field).name, QByteArray(1, row.code)).bytes());
    const auto reply = TakeReply(link);
    ASSERT_EQ(reply->outcome, Reply::Outcome::ReadBack);
    ApplyReadBack(reply->readBack, params);
    EXPECT_EQ(params.flag(row.field), row.after);
    EXPECT_EQ(FieldBytes(params, row.field), QByteArray(1, row.written));
  }
}

// A read-back's work-mode code is taken as it came; the window's list gives the codes 0 to 4 their
// build's texts and each text its code again, and texts off the list have no code.
TEST(ReplyReadBack, WorkModeCodesBothWaysInBothBuilds) {
  const struct {
    const LanguageData& lang;
    QString texts[5];
    QString offList[4];
  } builds[] = {
      {EnglishLanguage(),
       {"Disable", "CH1 TX/RX", "CH2 TX/RX", "CH1or2 TX/RX", "CH1TX CH2RX"},
       {"ch2 tx/rx", "CH2 TX/RX ", "频道2收发", ""}},
      {ChineseLanguage(),
       {"关闭", "频道1收发", "频道2收发", "频道12轮流收发", "频道1发2收"},
       {" 频道2收发", "CH2 TX/RX", "频道2", ""}},
  };
  for (const auto& build : builds) {
    for (char code : std::string_view("0123459x ")) {
      ParameterSet params;
      RecordingLink link;
      link.feed(ReadBack().set("WorkMode", QByteArray(1, code)).bytes());
      ApplyReadBack(TakeReply(link)->readBack, params);
      EXPECT_EQ(params.workMode(), code);

      const bool listed = code >= '0' && code <= '4';
      const auto text = WorkModeText(code, build.lang);
      EXPECT_EQ(text, listed ? std::optional(build.texts[code - '0']) : std::nullopt) << code;
      if (text) {
        EXPECT_EQ(WorkModeCode(*text, build.lang), code);
      }
    }
    for (const QString& text : build.offList) {
      EXPECT_FALSE(WorkModeCode(text, build.lang)) << text.toStdString();
    }
  }
}

// Raised by a lower threshold (a Write pressed before the read-back began): the window keeps every
// value, the threshold is disarmed and the read failure is said.
TEST(ReplyReadBack, AReadBackCutShortChangesNothing) {
  for (int bytes : {2, 5, 18, 401}) {
    Handler handler(EnglishLanguage());
    const ParameterSet before = handler.view.params;

    handler.receive(ReadBack().bytes().left(bytes), 5);

    EXPECT_EQ(handler.view.shown, 0) << bytes;
    EXPECT_EQ(handler.view.params, before);
    EXPECT_EQ(handler.link.log.join(' '), "InputLen=1 Input=$ Input=1 RThreshold=0 Message");
    EXPECT_EQ(handler.link.threshold, 0);
    EXPECT_EQ(handler.view.messages,
              QStringList{"Read fails, check the connection and the hardware is working properly "
                          "again or press 'read' button!!!"});
  }
}

TEST(ReplyKinds, MessageOfEveryKindInBothBuilds) {
  const char* readFailsEn =
      "Read fails, check the connection and the hardware is working properly again or press "
      "'read' button!!!";
  const char* readFailsZh = "读入失败,请检查连线及硬件是否正常工作或再次按'读出'键!!!";
  const struct {
    QByteArray reply;
    const char* english;
    const char* chinese;
  } rows[] = {
      {"$2abc", "Callsign:NOCALL-9 Radio Read correct!!!", "呼号:NOCALL-9无线读入参数成功!!!"},
      {"$3abc", "BH4XYZ Radio write correct!!!", "BH4XYZ无线设置参数成功!!!"},
      {"$4abc", "NOCALL-9 write correct!!!", "NOCALL-9设置参数成功!!!"},
      {"$5abc",
       "Enter the number of characters a parameter is missing, please re-enter, or click "
       "'Factory reset' re-set。",
       "输入某个参数字符位数缺少，请重新输入，或点‘出厂配置’重新设置。"},
      {"$0abc", readFailsEn, readFailsZh},
      {"$7abc", readFailsEn, readFailsZh},
      {"$Kabc", readFailsEn, readFailsZh},
      {"$", readFailsEn, readFailsZh},
      {"#1abc",
       "Data reception error, please check the cabling and hardware is functioning properly or "
       "press 'write' and 'read' button again!!!",
       "数据接收错误,请检查连线及硬件是否正常工作或再次按'写入'及'读出'键!!!"},
  };
  for (const LanguageData* lang : {&EnglishLanguage(), &ChineseLanguage()}) {
    for (const auto& row : rows) {
      Handler handler(*lang);
      handler.view.send.HisCallsign = "BH4XYZ";

      handler.receive(row.reply, 5);

      // One byte at a time for the lead and the kind; disarmed before the message box.
      EXPECT_EQ(handler.link.inBuffer, row.reply.mid(row.reply.startsWith('$') ? 2 : 1));
      EXPECT_EQ(handler.link.log.mid(handler.link.log.size() - 2),
                QStringList({"RThreshold=0", "Message"}));
      EXPECT_EQ(handler.view.messages,
                QStringList{lang == &EnglishLanguage() ? row.english : row.chinese});
      EXPECT_EQ(handler.view.shown, 0);
    }
  }
}

TEST(ReplyKinds, OtherEventsReadNothingAndKeepTheThreshold) {
  for (int event : {1, 3, 6, 7}) {
    Handler handler(EnglishLanguage());
    handler.link.event = event;
    handler.receive("$4abc", 5);
    EXPECT_TRUE(handler.link.log.isEmpty() && handler.view.messages.isEmpty()) << event;
    EXPECT_EQ(handler.link.threshold, 5);
  }
}

// About's answer: the 100 bytes after "$6" shown as they are; with fewer, an empty message.
TEST(ReplyKinds, DeviceTextShowsTheHundredBytesAfterTheKind) {
  QByteArray body = "\xc6\xb5\xb5\xc0";  // "频道"
  for (int i = 4; i < 148; ++i) body += static_cast<char>('A' + i % 26);
  const struct {
    QByteArray reply;
    QString message;
    QByteArray left;
  } rows[] = {
      {"$6" + body, "频道" + QString::fromLatin1(body.mid(4, 96)), body.mid(100)},
      {"$6" + body.left(99), "", body.left(99)},
      {"$6", "", ""},
  };
  for (const auto& row : rows) {
    Handler handler(ChineseLanguage());

    handler.receive(row.reply, 102);

    const QByteArray taken = row.message.isEmpty() ? "" : row.reply.mid(2, 100);
    EXPECT_EQ(handler.link.log,
              QStringList({"InputLen=1", "Input=$", "Input=6", "InputLen=100",
                           "Input=" + QString::fromLatin1(taken), "RThreshold=0", "Message"}));
    EXPECT_EQ(handler.view.messages, QStringList{row.message});
    EXPECT_EQ(handler.link.inBuffer, row.left);
  }
}

}  // namespace
}  // namespace vorlan::test
