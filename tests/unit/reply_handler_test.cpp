#include "link/reply_handler.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include "fake_view.h"
#include "qt_print.h"
#include "read_back.h"
#include "recording_link.h"
#include "ui/lang/en/en_language.h"
#include "ui/lang/zh/zh_language.h"

namespace vorlan {
namespace {

using test::FakeView;
using test::Pad;
using test::ReadBack;
using test::RecordingLink;

// Remembers the link operation that came last before each message box.
class WatchingView : public FakeView {
 public:
  WatchingView(const LanguageData& lang, const RecordingLink& link) : FakeView(lang), link_(link) {}
  QStringList lastOperationAtMessage;
  void showMessage(const QString& text) override {
    lastOperationAtMessage << (link_.log.isEmpty() ? QString() : link_.log.last());
    FakeView::showMessage(text);
  }

 private:
  const RecordingLink& link_;
};

struct Build {
  const LanguageData& lang;
  const char* name;
};
const Build kBuilds[] = {{EnglishLanguage(), "en"}, {ChineseLanguage(), "zh"}};
bool English(const LanguageData& lang) {
  return lang.language == "en";
}

// Every field of the read-back set to a value that differs from the window's start value; flags
// with every kind of clearing character.
struct FieldBytes {
  std::string_view field;
  QByteArray bytes;
};
const FieldBytes kDistinct[] = {
    {"Digipeater", "1"},
    {"AdditionalReport", "0"},
    {"SmartBeacon", " "},
    {"Spare4", "1"},
    {"Spare5", "1"},
    {"CarMode", "1"},
    {"OutputTrace", "A"},
    {"PttTransmit", QByteArray(1, '\0')},
    {"SoundPrompt", "2"},
    {"MicEFormat", "0"},
    {"Spare11", "1"},
    {"IsToBluetooth", "1"},
    {"FixedPosition", "1"},
    {"LoginServer", "1"},
    {"RfToIs", "1"},
    {"IsToRf", "1"},
    {"GroupCall", "GRP-AB"},
    {"Password", "135790"},
    {"DigiNumber", "042"},
    {"TimedTx", "15"},
    {"TxInterval", "55"},
    {"TxDelay", "07"},
    {"Latitude", "2231.50N"},
    {"Longitude", "11402.25E"},
    {"Channel1Freq", "145.825"},
    {"Channel2Freq", "438.500"},
    {"TxCtcss", "12"},
    {"RxCtcss", "34"},
    {"WorkMode", "3"},
    {"SymbolCode", ">"},
    {"", "1&|"},
    {"Server1Enable", "0"},
    {"Server2Enable", "2"},
    {"SendInterval", "90"},
    {"LoginPassword", "24680"},
    {"", "9876543210"},
    {"Callsign", "NOCALL-9    "},  // four blanks of filler stay part of the text
    {"Path", Pad("WIDE2-2,RS0ISS", 20)},
    {"BeaconText", Pad("Beacon text at full width", 64, '.')},
    {"WifiSsid", "HOME-NETWORK-5G!"},
    {"WifiPassword", "s3cr3t-pass-word"},
    {"AlarmPhone", "+861380013800000"},
    {"MyPhone", Pad("0755-12345678", 16)},
    {"", "1111111111111111"},
    {"Server1", Pad("china.aprs2.net:14580", 32)},
    {"Server2", Pad("euro.aprs2.net:14580", 32)},
    {"", "################"},
    {"Filter", Pad("r/22.5/114.0/100 b/BD4*", 48)},
};

ReadBack DistinctReadBack() {
  ReadBack rb;
  for (std::size_t i = 0; i < std::size(kDistinct); ++i) {
    rb.set(kDistinct[i].field, kDistinct[i].bytes, test::kReadBackSpans[i].position);
  }
  return rb;
}

TEST(ReplyReadBack, SetsAllFieldsInTableOrderAndLeavesTheRestUnread) {
  for (const auto& build : kBuilds) {
    SCOPED_TRACE(build.name);
    RecordingLink link;
    WatchingView view(build.lang, link);
    const ReadBack rb = DistinctReadBack();
    link.feed(rb.bytes() + "EXTRA12345");  // Read arms 412
    link.threshold = 412;

    OnComm(link, view, build.lang);

    QStringList expected;
    for (const auto& row : kDistinct) {
      const QString name = QString::fromLatin1(row.field.data(), row.field.size());
      if (row.field.empty()) continue;
      if (row.field == "WorkMode") {
        expected << QString("WorkMode=") +
                        (English(build.lang) ? "CH1or2 TX/RX" : "频道12轮流收发");
      } else if (row.field == "Server1Enable" || row.field == "Server2Enable") {
        expected << name + (row.bytes == "0" ? "=0" : "=1");
      } else if (row.bytes.size() == 1 && row.field != "SymbolCode") {
        expected << name + (row.bytes == "1" ? "=1" : "=0");
      } else {
        expected << name + "=" + QString::fromLatin1(row.bytes);
      }
    }
    EXPECT_EQ(view.changes, expected);
    EXPECT_EQ(link.log, rb.expectedLog());
    EXPECT_EQ(link.inBuffer, QByteArray("EXTRA12345"));
    EXPECT_EQ(link.threshold, 0);
    const QString message =
        English(build.lang) ? "NOCALL-9     Read correct!" : "NOCALL-9    读入参数成功!";
    EXPECT_EQ(view.messages, QStringList{message});
    EXPECT_EQ(view.lastOperationAtMessage, QStringList{"RThreshold=0"});
    // The send fields are not part of the read-back.
    EXPECT_EQ(view.text("HisCallsign"), "NOCALL");
    EXPECT_EQ(view.text("HisPassword"), "407KQZ");
    EXPECT_EQ(view.text("Message"), "hello");
  }
}

// One byte of the read-back against the control it decodes into. expected: 1 ticked, 0 cleared,
// -1 left as it was (and not touched at all).
struct CodeRow {
  std::string_view field;
  char byte;
  bool startOn;
  int expected;
};
const CodeRow kCodeRows[] = {
    {"Digipeater", '1', false, 1},      {"AdditionalReport", '0', true, 0},
    {"AdditionalReport", ' ', true, 0}, {"AdditionalReport", 'A', true, 0},
    {"IsToRf", '1', false, 1},          {"IsToRf", '2', true, 0},
    {"Server1Enable", '0', true, 0},    {"Server1Enable", '1', false, 1},
    {"Server1Enable", '2', false, 1},   {"Server1Enable", '7', true, -1},
    {"Server1Enable", '7', false, -1},  {"Server1Enable", 'a', true, -1},
    {"Server2Enable", '0', true, 0},    {"Server2Enable", '1', false, 1},
    {"Server2Enable", '2', false, 1},   {"Server2Enable", '9', false, -1},
    {"Server2Enable", 'Z', true, -1},
};

TEST(ReplyReadBack, FlagAndEnableCodes) {
  for (const auto& row : kCodeRows) {
    SCOPED_TRACE(std::string(row.field) + " '" + row.byte + "'");
    RecordingLink link;
    FakeView view(EnglishLanguage());
    view.flags[std::string(row.field)] = row.startOn;
    link.feed(ReadBack().set(row.field, QByteArray(1, row.byte)).bytes());

    OnComm(link, view, EnglishLanguage());

    const QString name = QString::fromLatin1(row.field.data(), row.field.size());
    const QStringList touched = view.changes.filter(QRegularExpression("^" + name + "="));
    if (row.expected < 0) {
      EXPECT_TRUE(touched.isEmpty());
      EXPECT_EQ(view.flag(row.field), row.startOn);
    } else {
      EXPECT_EQ(touched, QStringList{name + "=" + QString::number(row.expected)});
    }
  }
}

TEST(ReplyReadBack, WorkModeCodesInBothBuilds) {
  const char codes[] = {'0', '1', '2', '3', '4', '5', '9', 'x', ' '};
  const char* english[] = {"Disable", "CH1 TX/RX", "CH2 TX/RX", "CH1or2 TX/RX", "CH1TX CH2RX"};
  const char* chinese[] = {"关闭", "频道1收发", "频道2收发", "频道12轮流收发", "频道1发2收"};
  for (const auto& build : kBuilds) {
    for (char code : codes) {
      SCOPED_TRACE(std::string(build.name) + " '" + code + "'");
      RecordingLink link;
      FakeView view(build.lang);
      view.texts["WorkMode"] = "typed by hand";
      link.feed(ReadBack().set("WorkMode", QByteArray(1, code)).bytes());

      OnComm(link, view, build.lang);

      const bool inTable = code >= '0' && code <= '4';
      const char* const* texts = English(build.lang) ? english : chinese;
      EXPECT_EQ(view.text("WorkMode"), inTable ? QString(texts[code - '0']) : "typed by hand");
      EXPECT_EQ(view.changes.filter(QRegularExpression("^WorkMode=")).size(), inTable ? 1 : 0);
    }
  }
}

TEST(ReplyReadBack, ReservedSpansHaveNoEffect) {
  const QByteArray fillers[] = {"1", "0", "2", "&", "$"};
  QStringList first;
  for (const QByteArray& filler : fillers) {
    SCOPED_TRACE(filler.constData());
    ReadBack rb = DistinctReadBack();
    for (int position : {77, 89, 259, 339}) {
      rb.set("", filler.repeated(rb.at("", position).size()), position);
    }
    RecordingLink link;
    FakeView view(EnglishLanguage());
    link.feed(rb.bytes());
    OnComm(link, view, EnglishLanguage());
    if (first.isEmpty()) first = view.changes;
    EXPECT_EQ(view.changes, first);
    EXPECT_EQ(view.changes.size(), 44);
  }
}

// A read-back handled after a lower threshold: each read wider than what is left takes nothing and
// empties its field, a one-byte read takes the next byte, and a code that is missing changes
// nothing.
TEST(ReplyReadBack, ShortReplyNeverReadsPastTheBuffer) {
  RecordingLink link;
  FakeView view(EnglishLanguage());
  link.feed("$1" + QByteArray(16, '1') + "7");
  link.threshold = 5;

  OnComm(link, view, EnglishLanguage());

  EXPECT_TRUE(link.inBuffer.isEmpty());
  EXPECT_EQ(view.text("WorkMode"), "CH1 TX/RX");  // took "7"
  EXPECT_EQ(view.text("SymbolCode"), "");
  EXPECT_EQ(view.text("GroupCall"), "");
  EXPECT_EQ(view.text("Filter"), "");
  EXPECT_TRUE(view.flag("Server1Enable"));  // its code was missing
  EXPECT_FALSE(view.flag("Server2Enable"));
  EXPECT_TRUE(view.flag("IsToRf"));
  EXPECT_EQ(view.messages, QStringList{" Read correct!"});
  EXPECT_EQ(link.threshold, 0);
}

struct KindRow {
  QByteArray reply;
  const char* english;
  const char* chinese;
  QStringList log;
};

const char* const kReadFailsEn =
    "Read fails, check the connection and the hardware is working properly again or press "
    "'read' button!!!";
const char* const kReadFailsZh = "读入失败,请检查连线及硬件是否正常工作或再次按'读出'键!!!";
QStringList ShortLog(char kind) {
  return {"InputLen=1", "Input=$", QStringLiteral("Input=") + kind, "RThreshold=0"};
}

TEST(ReplyKinds, MessageOfEveryKindInBothBuilds) {
  const KindRow rows[] = {
      {"$2abc", "Callsign:NOCALL-9 Radio Read correct!!!", "呼号:NOCALL-9无线读入参数成功!!!",
       ShortLog('2')},
      {"$3abc", "BH4XYZ Radio write correct!!!", "BH4XYZ无线设置参数成功!!!", ShortLog('3')},
      {"$4abc", "NOCALL-9 write correct!!!", "NOCALL-9设置参数成功!!!", ShortLog('4')},
      {"$5abc",
       "Enter the number of characters a parameter is missing, please re-enter, or click "
       "'Factory reset' re-set。",
       "输入某个参数字符位数缺少，请重新输入，或点‘出厂配置’重新设置。", ShortLog('5')},
      {"$0abc", kReadFailsEn, kReadFailsZh, ShortLog('0')},
      {"$7abc", kReadFailsEn, kReadFailsZh, ShortLog('7')},
      {"$8abc", kReadFailsEn, kReadFailsZh, ShortLog('8')},
      {"$9abc", kReadFailsEn, kReadFailsZh, ShortLog('9')},
      {"$Kabc", kReadFailsEn, kReadFailsZh, ShortLog('K')},
      {"$", kReadFailsEn, kReadFailsZh, {"InputLen=1", "Input=$", "Input=", "RThreshold=0"}},
      {"#1abc",
       "Data reception error, please check the cabling and hardware is functioning properly or "
       "press 'write' and 'read' button again!!!",
       "数据接收错误,请检查连线及硬件是否正常工作或再次按'写入'及'读出'键!!!",
       {"InputLen=1", "Input=#", "RThreshold=0"}},
  };
  for (const auto& build : kBuilds) {
    for (const auto& row : rows) {
      SCOPED_TRACE(std::string(build.name) + " " + row.reply.constData());
      RecordingLink link;
      WatchingView view(build.lang, link);
      view.texts["HisCallsign"] = "BH4XYZ";
      link.threshold = 5;
      link.feed(row.reply);

      OnComm(link, view, build.lang);

      EXPECT_EQ(view.messages, QStringList{English(build.lang) ? row.english : row.chinese});
      EXPECT_EQ(link.log, row.log);
      EXPECT_EQ(view.lastOperationAtMessage, QStringList{"RThreshold=0"});
      EXPECT_EQ(link.inBuffer, row.reply.mid(row.log.size() == 3 ? 1 : 2));
      EXPECT_TRUE(view.changes.isEmpty());
    }
  }
}

TEST(ReplyKinds, OtherEventsReadNothingAndKeepTheThreshold) {
  for (int event : {6, 1, 3, 7}) {
    SCOPED_TRACE(event);
    RecordingLink link;
    FakeView view(EnglishLanguage());
    link.threshold = 412;
    link.feed("$4abc");
    link.event = event;

    OnComm(link, view, EnglishLanguage());
    EXPECT_TRUE(link.log.isEmpty());
    EXPECT_TRUE(view.messages.isEmpty());
    EXPECT_EQ(link.threshold, 412);
    EXPECT_EQ(link.inBuffer, QByteArray("$4abc"));

    // The receive event that follows still finds the whole reply.
    link.event = kCommEventReceive;
    OnComm(link, view, EnglishLanguage());
    EXPECT_EQ(view.messages, QStringList{"NOCALL-9 write correct!!!"});
  }
}

TEST(ReplyKinds, DeviceTextShowsTheHundredBytesAfterTheKind) {
  QByteArray body = "\xc6\xb5\xb5\xc0";  // GB18030 for two Chinese characters
  for (int i = 4; i < 148; ++i) body += static_cast<char>('A' + i % 26);
  struct Row {
    QByteArray reply;
    QString message;
    QByteArray left;
  } rows[] = {
      {"$6" + body, "频道" + QString::fromLatin1(body.mid(4, 96)), body.mid(100)},
      {"$6" + body.left(99), "", body.left(99)},
      {"$6", "", ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.reply.size());
    RecordingLink link;
    WatchingView view(ChineseLanguage(), link);
    link.feed(row.reply);

    OnComm(link, view, ChineseLanguage());

    EXPECT_EQ(view.messages, QStringList{row.message});
    const QStringList log{
        "InputLen=1",
        "Input=$",
        "Input=6",
        "InputLen=100",
        "RThreshold=0",
        "Input=" + QString::fromLatin1(row.message.isEmpty() ? "" : row.reply.mid(2, 100))};
    EXPECT_EQ(link.log, log);
    EXPECT_EQ(link.inBuffer, row.left);
    EXPECT_TRUE(view.changes.isEmpty());
  }
}

}  // namespace
}  // namespace vorlan
