#include "link/write_frame.h"

#include <gtest/gtest.h>

#include "fake_view.h"
#include "params/presets.h"
#include "qt_print.h"
#include "recording_link.h"
#include "ui/lang/en/en_language.h"
#include "ui/lang/zh/zh_language.h"

namespace vorlan {
namespace {

using test::FakeView;
using test::RecordingLink;

const QByteArray kInitialHead =
    "$0NOGROU4802710000040302300.00N11300.00E144.640144.39000001["
    "xxx102050713xxxxxx0110001111000000";

TEST(WriteFrame, WorkedExampleInBothBuilds) {
  const QByteArray tail = "&NOCALL-9|WIDE1-1,WIDE2-1|VORLAN|NOSSID|58203746|||1234567890123456|";
  const QByteArray english = kInitialHead + tail + "rotate.aprs2.net:14580||x|m/50|#";
  const QByteArray chinese =
      kInitialHead + tail + "asia.aprs2.net:14580|rotate.aprs.net:10008|x|m/50|#";
  ASSERT_EQ(kInitialHead.size(), 94);
  ASSERT_EQ(english.size(), 191 - 19 + 22);
  ASSERT_EQ(chinese.size(), 209 - 15 - 22 + 20 + 21);

  EXPECT_EQ(BuildWriteFrame(InitialParameters(EnglishLanguage()), EnglishLanguage()), english);
  EXPECT_EQ(BuildWriteFrame(InitialParameters(ChineseLanguage()), ChineseLanguage()), chinese);
  EXPECT_EQ(CheckWriteFrame(InitialParameters(ChineseLanguage()), ChineseLanguage()), std::nullopt);
}

TEST(WriteFrame, HeadFieldsStandAtTheirColumns) {
  struct Row {
    const char* field;  // nullptr: a fixed part of the frame
    int column;
    QByteArray value;
  } rows[] = {
      {nullptr, 1, "$0"},
      {"GroupCall", 3, "ABCDEF"},
      {"Password", 9, "654321"},
      {"DigiNumber", 15, "123"},
      {"TimedTx", 18, "45"},
      {"TxInterval", 20, "67"},
      {"TxDelay", 22, "89"},
      {"Latitude", 24, "1234.56S"},
      {"Longitude", 32, "01234.56W"},
      {"Channel1Freq", 41, "430.125"},
      {"Channel2Freq", 48, "145.500"},
      {"TxCtcss", 55, "19"},
      {"RxCtcss", 57, "28"},
      {"SymbolCode", 60, "/"},
      {nullptr, 61, "xxx"},
      {"SendInterval", 66, "75"},
      {"LoginPassword", 68, "98765"},
      {nullptr, 73, "xxxxxx"},
      {nullptr, 95, "&"},
  };
  ParameterSet params = InitialParameters(EnglishLanguage());
  params.WorkMode = "CH1TX CH2RX";
  for (const auto& row : rows) {
    if (row.field) *params.text(row.field) = QString::fromLatin1(row.value);
  }
  const QByteArray frame = BuildWriteFrame(params, EnglishLanguage());
  for (const auto& row : rows) {
    EXPECT_EQ(frame.mid(row.column - 1, row.value.size()), row.value) << row.column;
  }
  EXPECT_EQ(frame.mid(58, 1), "4");
}

TEST(WriteFrame, EachFlagHasItsOwnColumn) {
  struct Row {
    const char* field;
    int column;
    char on;
  } rows[] = {
      {"Server1Enable", 64, '1'},    {"Server2Enable", 65, '2'}, {"Digipeater", 79, '1'},
      {"AdditionalReport", 80, '1'}, {"SmartBeacon", 81, '1'},   {"Spare4", 82, '1'},
      {"Spare5", 83, '1'},           {"CarMode", 84, '1'},       {"OutputTrace", 85, '1'},
      {"PttTransmit", 86, '1'},      {"SoundPrompt", 87, '1'},   {"MicEFormat", 88, '1'},
      {"Spare11", 89, '1'},          {"IsToBluetooth", 90, '1'}, {"FixedPosition", 91, '1'},
      {"LoginServer", 92, '1'},      {"RfToIs", 93, '1'},        {"IsToRf", 94, '1'},
  };
  ParameterSet allOff = InitialParameters(EnglishLanguage());
  for (const auto& row : rows) *allOff.flag(row.field) = false;
  const QByteArray off = BuildWriteFrame(allOff, EnglishLanguage());
  EXPECT_EQ(off.mid(63, 2), "00");
  EXPECT_EQ(off.mid(78, 16), "0000000000000000");

  for (const auto& row : rows) {
    SCOPED_TRACE(row.field);
    ParameterSet params = allOff;
    *params.flag(row.field) = true;
    QByteArray expected = off;
    expected[row.column - 1] = row.on;
    EXPECT_EQ(BuildWriteFrame(params, EnglishLanguage()), expected);
  }
}

TEST(WriteFrame, WorkModeCodesInBothBuilds) {
  struct Row {
    const LanguageData& lang;
    const char* text;
    const char* code;  // "" when the text stands for no code
  } rows[] = {
      {EnglishLanguage(), "Disable", "0"},
      {EnglishLanguage(), "CH1 TX/RX", "1"},
      {EnglishLanguage(), "CH2 TX/RX", "2"},
      {EnglishLanguage(), "CH1or2 TX/RX", "3"},
      {EnglishLanguage(), "CH1TX CH2RX", "4"},
      {EnglishLanguage(), "ch2 tx/rx", ""},
      {EnglishLanguage(), "CH2 TX/RX ", ""},
      {EnglishLanguage(), "频道2收发", ""},
      {EnglishLanguage(), "", ""},
      {ChineseLanguage(), "关闭", "0"},
      {ChineseLanguage(), "频道1收发", "1"},
      {ChineseLanguage(), "频道2收发", "2"},
      {ChineseLanguage(), "频道12轮流收发", "3"},
      {ChineseLanguage(), "频道1发2收", "4"},
      {ChineseLanguage(), "CH2 TX/RX", ""},
      {ChineseLanguage(), " 频道2收发", ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(WorkModeCode(row.text, row.lang), row.code);
    ParameterSet params = InitialParameters(row.lang);
    params.WorkMode = row.text;
    // A text with no code contributes nothing: SymbolCode moves up to column 59.
    const QByteArray expected = *row.code ? QByteArray(row.code) + "[" : QByteArray("[x");
    EXPECT_EQ(BuildWriteFrame(params, row.lang).mid(58, 2), expected);
  }
}

TEST(WriteFrame, EveryEntryAtItsLimitMakes397) {
  ParameterSet params = InitialParameters(EnglishLanguage());
  for (const auto& f : FieldTable()) {
    if (f.role == FieldRole::Parameter && f.kind == FieldKind::Text) {
      *params.text(f.name) = QString(f.maxLength, QChar('w'));
    }
  }
  EXPECT_EQ(CheckWriteFrame(params, EnglishLanguage()), std::nullopt);
  EXPECT_EQ(BuildWriteFrame(params, EnglishLanguage()).size(), 397);

  // Empty tail entries give nothing but their separators, and are no reason to refuse.
  for (const char* tail : {"Callsign", "Path", "BeaconText", "WifiSsid", "WifiPassword",
                           "AlarmPhone", "MyPhone", "Server1", "Server2", "Filter"}) {
    params.text(tail)->clear();
  }
  EXPECT_EQ(CheckWriteFrame(params, EnglishLanguage()), std::nullopt);
  EXPECT_EQ(BuildWriteFrame(params, EnglishLanguage()).mid(94), "&|||||||1234567890123456|||x||#");
}

// A write the device would misread: one message naming the field, nothing sent or cleared.
TEST(WriteFrameRefusal, NothingSentOrClearedAndTheFieldNamed) {
  const QString sevenHan = "中文呼号七个字";  // 14 bytes against a 12-byte field
  struct Row {
    const char* field;
    QString english;  // the value in the English build
    QString chinese;  // the value in the Chinese build
    const char* labelEn;
    const char* labelZh;
  } rows[] = {
      {"Latitude", "2301.5N", "2301.5N", "Latitude", "纬度"},
      {"Longitude", "11300.0E", "11300.0E", "Longitude", "经度"},
      {"GroupCall", "", "", "Group Call", "群呼号"},
      {"SymbolCode", "中", "中", "Symbol/", "符号"},
      {"WorkMode", "ch1 tx/rx", "CH1 TX/RX", "Work Mode", "工作模式"},
      {"Callsign", sevenHan, sevenHan, "Callsign", "呼号"},
      {"Filter", QString(49, 'f'), QString(49, 'f'), "Filter", "过滤"},
      {"Server1", QString(23, 'h') + "中文:14580", QString(23, 'h') + "中文:14580", "APRS Server 1",
       "APRS服务器1"},
      {"BeaconText", "AT&T", "AT&T", "Text", "文本"},
      {"Path", "WIDE1-1|", "WIDE1-1|", "Path", "路径"},
      {"Server2", "#host:10008", "#host:10008", "APRS Server 2", "APRS服务器2"},
      {"WifiSsid", "net亅5", "net亅5", "WiFi SSID", "WiFi名字"},  // 亅 is 81 7C
      {"GroupCall", "NOG&OU", "NOG&OU", "Group Call", "群呼号"},
      {"Password", "48027#", "48027#", "Password", "密码"},
      {"SymbolCode", "|", "|", "Symbol/", "符号"},
      {"MyPhone", "#31#", "#31#", "My phone number", "本机号码"},
  };
  for (const LanguageData* lang : {&EnglishLanguage(), &ChineseLanguage()}) {
    const bool english = lang->language == "en";
    for (const auto& row : rows) {
      const QString value = english ? row.english : row.chinese;
      SCOPED_TRACE((QString(lang->language.data()) + " " + row.field + "=" + value).toStdString());
      RecordingLink link;
      FakeView view(*lang);
      link.feed("$4abc");
      link.threshold = 412;
      view.texts[row.field] = value;

      WriteConfiguration(link, view, *lang);

      EXPECT_TRUE(link.log.isEmpty()) << link.log.join(", ").toStdString();
      EXPECT_EQ(link.inBuffer, QByteArray("$4abc"));
      EXPECT_EQ(link.threshold, 412);
      ASSERT_EQ(view.messages.size(), 1);
      EXPECT_TRUE(view.messages[0].contains(english ? row.labelEn : row.labelZh))
          << view.messages[0].toStdString();
    }
  }
}

}  // namespace
}  // namespace vorlan
