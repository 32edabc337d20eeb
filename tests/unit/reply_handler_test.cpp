#include "link/reply_handler.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include "fake_view.h"
#include "link/device_text.h"
#include "link/write_frame.h"
#include "read_back.h"
#include "recording_link.h"
#include "ui/lang/en/en_language.h"
#include "ui/lang/zh/zh_language.h"

namespace vorlan::test {
namespace {

QByteArray B(const char* bytes, int size) {
  return QByteArray(bytes, size);
}

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

// All 44 fields in order whatever the reserved spans hold, the 10 bytes after the read-back left
// unread; then Write sends every byte back, filler included.
TEST(ReplyReadBack, FillsAllFieldsAndWritesThemBackByteForByte) {
  for (const LanguageData* lang : {&EnglishLanguage(), &ChineseLanguage()}) {
    const bool english = lang == &EnglishLanguage();
    ReadBack rb;
    QStringList changes;
    for (std::size_t i = 0; i < std::size(kReadBack); ++i) {
      const auto& row = kReadBack[i];
      const bool reserved = row.field.empty();
      rb.set(row.field, reserved && !english ? QByteArray(row.bytes.size(), '0') : row.bytes,
             kReadBackSpans[i].position);
      const QString shown = row.shown ? QString::fromUtf8(row.shown) : DecodeDeviceText(row.bytes);
      if (!reserved) changes << QString::fromLatin1(row.field) + "=" + shown;
    }
    if (!english) changes.replaceInStrings("CH1or2 TX/RX", "频道12轮流收发");
    RecordingLink link;
    FakeView view(*lang);
    view.journal = &link.log;
    link.feed(rb.bytes() + "EXTRA12345");
    link.threshold = 412;

    OnComm(link, view, *lang);

    EXPECT_EQ(view.changes, changes);
    EXPECT_EQ(link.log.filter(QRegularExpression("^(?!Input=)")).join(' '),
              "InputLen=1 InputLen=1 InputLen=6 InputLen=3 InputLen=2 InputLen=8 InputLen=9 "
              "InputLen=7 InputLen=2 InputLen=1 InputLen=2 InputLen=5 InputLen=10 InputLen=12 "
              "InputLen=20 InputLen=64 InputLen=16 InputLen=32 InputLen=16 InputLen=48 "
              "RThreshold=0 Message");
    EXPECT_EQ(link.inBuffer, "EXTRA12345");
    EXPECT_EQ(view.messages,
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
    WriteConfiguration(link, view, *lang);
    EXPECT_EQ(link.sent.toHex(' '), frame.toHex(' '));
    EXPECT_EQ(view.messages.size(), 1);
  }
}

// Server enables: 0 clears, 1 and 2 tick, any other byte leaves the box as it was.
TEST(ReplyReadBack, EnableCodes) {
  for (const char* field : {"Server1Enable", "Server2Enable"}) {
    for (char code : std::string_view("0127a")) {
      for (bool startOn : {false, true}) {
        RecordingLink link;
        FakeView view(EnglishLanguage());
        view.flags[field] = startOn;
        link.feed(ReadBack().set(field, QByteArray(1, code)).bytes());
        OnComm(link, view, EnglishLanguage());
        const bool on = code == '1' || code == '2' || (code != '0' && startOn);
        EXPECT_EQ(view.flag(field), on) << field << " " << code << " " << startOn;
      }
    }
  }
}

// A read-back code shows its build's text and that text writes the code again; other codes leave
// the box as it was, and texts off the list have no code.
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
      RecordingLink link;
      FakeView view(build.lang);
      view.texts["WorkMode"] = "typed by hand";
      link.feed(ReadBack().set("WorkMode", QByteArray(1, code)).bytes());

      OnComm(link, view, build.lang);

      const bool listed = code >= '0' && code <= '4';
      EXPECT_EQ(view.text("WorkMode"), listed ? build.texts[code - '0'] : "typed by hand") << code;
      EXPECT_EQ(WorkModeCode(view.text("WorkMode"), build.lang), listed ? QString(code) : "");
    }
    for (const QString& text : build.offList) {
      EXPECT_EQ(WorkModeCode(text, build.lang), "") << text.toStdString();
    }
  }
}

// Handled after a lower threshold: a read wider than what is left takes nothing and empties its
// field, a one-byte read takes the next byte, and a code that is missing changes nothing.
TEST(ReplyReadBack, ShortReplyNeverReadsPastTheBuffer) {
  RecordingLink link;
  FakeView view(EnglishLanguage());
  link.feed("$1" + QByteArray(16, '1') + "7");
  link.threshold = 5;

  OnComm(link, view, EnglishLanguage());

  EXPECT_TRUE(link.inBuffer.isEmpty());
  EXPECT_EQ(view.text("WorkMode"), "CH1 TX/RX");  // took "7"
  EXPECT_EQ(view.text("SymbolCode") + view.text("GroupCall") + view.text("Filter"), "");
  EXPECT_TRUE(view.flag("Server1Enable") && view.flag("IsToRf"));
  EXPECT_EQ(view.messages, QStringList{" Read correct!"});
  EXPECT_EQ(link.threshold, 0);
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
      RecordingLink link;
      FakeView view(*lang);
      view.journal = &link.log;
      view.texts["HisCallsign"] = "BH4XYZ";
      link.feed(row.reply);

      OnComm(link, view, *lang);

      // One byte at a time for the lead and the kind; disarmed before the message box.
      EXPECT_EQ(link.inBuffer, row.reply.mid(row.reply.startsWith('$') ? 2 : 1));
      EXPECT_EQ(link.log.mid(link.log.size() - 2), QStringList({"RThreshold=0", "Message"}));
      EXPECT_EQ(view.messages, QStringList{lang == &EnglishLanguage() ? row.english : row.chinese});
      EXPECT_TRUE(view.changes.isEmpty());
    }
  }
}

TEST(ReplyKinds, OtherEventsReadNothingAndKeepTheThreshold) {
  for (int event : {1, 3, 6, 7}) {
    RecordingLink link;
    FakeView view(EnglishLanguage());
    link.feed("$4abc");
    link.event = event;
    OnComm(link, view, EnglishLanguage());
    EXPECT_TRUE(link.log.isEmpty() && view.messages.isEmpty()) << event;
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
    RecordingLink link;
    FakeView view(ChineseLanguage());
    view.journal = &link.log;
    link.feed(row.reply);

    OnComm(link, view, ChineseLanguage());

    const QByteArray taken = row.message.isEmpty() ? "" : row.reply.mid(2, 100);
    EXPECT_EQ(link.log,
              QStringList({"InputLen=1", "Input=$", "Input=6", "InputLen=100", "RThreshold=0",
                           "Input=" + QString::fromLatin1(taken), "Message"}));
    EXPECT_EQ(view.messages, QStringList{row.message});
    EXPECT_EQ(link.inBuffer, row.left);
  }
}

}  // namespace
}  // namespace vorlan::test
