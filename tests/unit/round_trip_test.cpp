// Read-back -> window -> write frame, and non-ASCII text on the line in both directions.

#include <gtest/gtest.h>

#include "fake_view.h"
#include "link/reply_handler.h"
#include "link/requests.h"
#include "link/write_frame.h"
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

QByteArray B(const char* bytes, int size) {
  return QByteArray(bytes, size);
}

TEST(WriteFrameRoundTrip, ReadBackGoesBackByteForByteWithItsFiller) {
  const QByteArray flags = "1010011100101101";
  const char* head[] = {"GroupCall",    "Password",     "DigiNumber", "TimedTx",
                        "TxInterval",   "TxDelay",      "Latitude",   "Longitude",
                        "Channel1Freq", "Channel2Freq", "TxCtcss",    "RxCtcss"};
  const char* tail[] = {"Callsign",   "Path",    "BeaconText", "WifiSsid", "WifiPassword",
                        "AlarmPhone", "MyPhone", nullptr,      "Server1",  "Server2"};
  ReadBack rb;
  rb.set("GroupCall", B("BG7\0\0\0", 6))
      .set("Password", "12\xff\xff\xff\xff")
      .set("DigiNumber", "7  ")
      .set("TimedTx", B("1\0", 2))
      .set("TxInterval", "\xff\xff")
      .set("TxDelay", " 5")
      .set("Latitude", "2231.50N")
      .set("Longitude", B("11402.2\0\0", 9))
      .set("Channel1Freq", "145.82\xff")
      .set("Channel2Freq", B("438.5\0\0", 7))
      .set("TxCtcss", "\x81\x40")  // one Chinese character whose second byte is "@"
      .set("RxCtcss", "\xc6\xb5")
      .set("WorkMode", "4")
      .set("SymbolCode", "\x80")
      .set("Server1Enable", "2")
      .set("Server2Enable", "1")
      .set("SendInterval", B("\0\0", 2))
      .set("LoginPassword", "5071\xff")
      .set("Callsign", B("NOCALL-9\0\xff  ", 12))
      .set("Path", Pad("WIDE1-1", 20, '\0'))
      .set("BeaconText", Pad("\xc6\xb5\xb5\xc0 VORLAN", 63) + "\xc6")  // a character cut in two
      .set("WifiSsid", Pad("NOSSID", 16, '\xff'))
      .set("WifiPassword", Pad("\x81\x30"
                               "582",
                               16, '\x80'))
      .set("AlarmPhone", Pad("", 16))
      .set("MyPhone", Pad("", 16, '\0'))
      .set("Server1", Pad("asia.aprs2.net:14580", 32, '\0'))
      .set("Server2", Pad("", 32, '\xff'))
      .set("Filter", Pad("m/50", 48));
  for (int i = 0; i < test::kFlagSpans; ++i) {
    rb.set(test::kReadBackSpans[i].field, flags.mid(i, 1));
  }

  QByteArray expected = "$0";
  for (const char* field : head) expected += rb.at(field);
  expected += "4" + rb.at("SymbolCode") + "xxx12" + rb.at("SendInterval") + rb.at("LoginPassword") +
              "xxxxxx" + flags + "&";
  for (const char* field : tail) expected += (field ? rb.at(field) : "1234567890123456") + "|";
  expected += "x|" + rb.at("Filter") + "|#";
  ASSERT_EQ(expected.size(), 397);

  for (const LanguageData* lang : {&EnglishLanguage(), &ChineseLanguage()}) {
    SCOPED_TRACE(lang->language.data());
    RecordingLink link;
    FakeView view(*lang);
    link.feed(rb.bytes());
    OnComm(link, view, *lang);
    link.clearLog();

    WriteConfiguration(link, view, *lang);

    ASSERT_EQ(view.messages.size(), 1);  // only the read-back's own message
    EXPECT_EQ(link.sent.toHex(' '), expected.toHex(' '));
    EXPECT_EQ(link.log.size(), 4);
  }
}

TEST(WriteFrameRoundTrip, ChineseTextTravelsAsGb18030) {
  const QString beijing = "北京你好";  // b1b1 bea9 c4e3 bac3
  const QByteArray beijingBytes = QByteArray::fromHex("b1b1bea9c4e3bac3");

  // Out: the beacon text in the write frame, the message text in the message frame.
  RecordingLink link;
  FakeView view(EnglishLanguage());
  view.texts["BeaconText"] = beijing + " APRS";
  view.texts["Message"] = beijing;
  WriteConfiguration(link, view, EnglishLanguage());
  SendMessage(link, view, EnglishLanguage());
  EXPECT_TRUE(view.messages.isEmpty());
  EXPECT_TRUE(link.sent.contains("|" + beijingBytes + " APRS|"));
  EXPECT_TRUE(link.sent.endsWith("#*@NOCALL*" + beijingBytes));

  // In: a read-back of GB18030 text gives the same text back.
  const QString callsign = "中文呼号-9  ";  // 8 + 4 bytes
  ReadBack rb;
  rb.set("BeaconText", beijingBytes.repeated(8))
      .set("Callsign", QByteArray::fromHex("d6d0cec4baf4bac5") + "-9  ");
  for (const LanguageData* lang : {&EnglishLanguage(), &ChineseLanguage()}) {
    RecordingLink in;
    FakeView shown(*lang);
    in.feed(rb.bytes());
    OnComm(in, shown, *lang);
    EXPECT_EQ(shown.text("BeaconText"), beijing.repeated(8));
    EXPECT_EQ(shown.text("Callsign"), callsign);
    EXPECT_EQ(shown.messages, QStringList{callsign + (lang->language == "en" ? " Read correct!"
                                                                             : "读入参数成功!")});
  }
}

}  // namespace
}  // namespace vorlan
