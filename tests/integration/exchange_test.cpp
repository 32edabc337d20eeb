// Read, Write, About, Send instruction and Send message through the real link and the simulator.
#include <gtest/gtest.h>

#include "link/device_text.h"
#include "link/requests.h"
#include "link/write_frame.h"
#include "params/field_table.h"
#include "session.h"
#include "ui/lang/en/en_language.h"
#include "ui/lang/zh/zh_language.h"

namespace vorlan::test {
namespace {

struct TextRow {
  const char* field;
  const char* text;  // UTF-8
};

// What the simulator holds at start, as its read-back fills the window.
constexpr TextRow kDeviceTexts[] = {
    {"GroupCall", "SIMGRP"},
    {"Password", "135790"},
    {"DigiNumber", "007"},
    {"TimedTx", "05"},
    {"TxInterval", "15"},
    {"TxDelay", "25"},
    {"Latitude", "3150.12N"},
    {"Longitude", "12129.34E"},
    {"Channel1Freq", "145.825"},
    {"Channel2Freq", "144.800"},
    {"TxCtcss", "12"},
    {"RxCtcss", "08"},
    {"SymbolCode", ">"},
    {"SendInterval", "30"},
    {"LoginPassword", "24680"},
    {"Callsign", "SIM1-7"},
    {"Path", "WIDE2-2"},
    {"BeaconText", "模拟设备 device simulator"},
    {"WifiSsid", "SimNet"},
    {"WifiPassword", "sim-pass"},
    {"AlarmPhone", "110"},
    {"MyPhone", "13800138000"},
    {"Server1", "euro.aprs2.net:14580"},
    {"Server2", "noam.aprs2.net:10008"},
    {"Filter", "r/31.5/121.5/100"},
};
constexpr const char* kDeviceFlagsOn[] = {
    "Digipeater",    "Spare4",      "Spare5", "CarMode", "Spare11",      "IsToBluetooth",
    "FixedPosition", "LoginServer", "RfToIs", "IsToRf",  "Server2Enable"};

// New values for a Write, non-ASCII where a field takes it; head fields fill their width.
constexpr TextRow kEdited[] = {
    {"GroupCall", "群呼叫"},
    {"Password", "246810"},
    {"DigiNumber", "123"},
    {"TimedTx", "10"},
    {"TxInterval", "60"},
    {"TxDelay", "50"},
    {"Latitude", "2233.44S"},
    {"Longitude", "01122.33W"},
    {"Channel1Freq", "433.500"},
    {"Channel2Freq", "430.050"},
    {"TxCtcss", "05"},
    {"RxCtcss", "07"},
    {"SymbolCode", "k"},
    {"SendInterval", "45"},
    {"LoginPassword", "11111"},
    {"Callsign", "BG7ABC-15"},
    {"Path", "WIDE1-1"},
    {"BeaconText", "测试信标 round trip 往返"},
    {"WifiSsid", "家里WiFi"},
    {"WifiPassword", "pass word"},
    {"AlarmPhone", "+8613912345678"},
    {"MyPhone", "0755-12345678"},
    {"Server1", "asia.aprs2.net:14580"},
    {"Server2", ""},
    {"Filter", "b/BG7ABC*"},
};

// A text as the read-back gives it: padded to its field's width with the filler.
QString Padded(const char* utf8, std::string_view field, QChar filler) {
  const QString text = QString::fromUtf8(utf8);
  const int width = FindField(field)->maxLength;
  return text + QString(width - EncodeDeviceText(text).size(), filler);
}

void ExpectTexts(const FakeView& view, std::span<const TextRow> rows, QChar filler) {
  for (const auto& row : rows) {
    EXPECT_EQ(view.text(row.field), Padded(row.text, row.field, filler)) << row.field;
  }
}

TEST(Exchange, ReadFillsAll44FieldsAtLineSpeed) {
  for (const LanguageData* lang : {&EnglishLanguage(), &ChineseLanguage()}) {
    Session s(*lang, {});  // paced at 9600 baud
    ASSERT_TRUE(s.open());
    ReadConfiguration(s.link, s.view);
    ASSERT_TRUE(s.waitForMessages(1));
    ExpectTexts(s.view, kDeviceTexts, ' ');
    for (const auto& f : FieldTable()) {
      if (f.role != FieldRole::Parameter || f.kind != FieldKind::Flag) continue;
      const bool on = std::ranges::count(kDeviceFlagsOn, f.name) > 0;
      EXPECT_EQ(s.view.flag(f.name), on) << f.name;
    }
    EXPECT_EQ(s.view.text("WorkMode"), lang == &EnglishLanguage()
                                           ? QString("CH1TX CH2RX")
                                           : QString::fromUtf8("频道1发2收"));
    EXPECT_EQ(s.view.changes.size(), 44);
    EXPECT_EQ(s.view.messages,
              QStringList{"SIM1-7      " +
                          Text(lang == &EnglishLanguage() ? " Read correct!" : "读入参数成功!")});
    EXPECT_EQ(s.events, 1);
  }
}

TEST(Exchange, WriteThenReadGivesBackEveryByteWithEachFiller) {
  const struct {
    const char* option;
    QChar shown;  // how the window holds the filler byte
  } fillers[] = {{"blank", ' '}, {"nul", QChar(0)}, {"ff", QChar(0xDC00 + 0xFF)}};
  for (const LanguageData* lang : {&EnglishLanguage(), &ChineseLanguage()}) {
    for (const auto& filler : fillers) {
      SCOPED_TRACE(std::string(lang->language) + " " + filler.option);
      Session s(*lang, {"--fast", "--filler", filler.option});
      ASSERT_TRUE(s.open());

      // The device's own configuration, read and written back unchanged, reads back the same.
      ReadConfiguration(s.link, s.view);
      ASSERT_TRUE(s.waitForMessages(1));
      WriteConfiguration(s.link, s.view, *lang);
      ASSERT_TRUE(s.waitForMessages(2));
      ReadConfiguration(s.link, s.view);
      ASSERT_TRUE(s.waitForMessages(3));
      ASSERT_TRUE(s.sim.waitFor("tx", 3)) << s.view.messages.join("\n").toStdString();
      EXPECT_EQ(s.sim.sent()[2], s.sim.sent()[0]);
      EXPECT_EQ(s.sim.sent()[1].left(2), "$4");

      // Edited values go to the device and come back padded with its filler.
      for (const auto& row : kEdited) s.view.setText(row.field, QString::fromUtf8(row.text));
      for (const auto& f : FieldTable()) {
        if (f.role == FieldRole::Parameter && f.kind == FieldKind::Flag) {
          s.view.setFlag(f.name, !s.view.flag(f.name));
        }
      }
      s.view.setText("WorkMode", Text(lang->workModes[3]));
      const auto flagsWritten = s.view.flags;
      WriteConfiguration(s.link, s.view, *lang);
      ASSERT_TRUE(s.waitForMessages(4));
      EXPECT_EQ(s.view.messages[3], "BG7ABC-15" + Text(lang->writeCorrect));
      s.view.load(InitialParameters(*lang), InitialSendFields());
      ReadConfiguration(s.link, s.view);
      ASSERT_TRUE(s.waitForMessages(5));
      ExpectTexts(s.view, kEdited, filler.shown);
      EXPECT_EQ(s.view.flags, flagsWritten);
      EXPECT_EQ(s.view.text("WorkMode"), Text(lang->workModes[3]));
    }
  }
}

TEST(Exchange, AboutShowsTheDeviceTextAtLineSpeed) {
  Session s(EnglishLanguage(), {});  // paced: the event must wait for the whole text
  ASSERT_TRUE(s.open());
  RequestAbout(s.link, s.view);
  ASSERT_TRUE(s.waitForMessages(1));
  EXPECT_EQ(s.view.messages,
            QStringList{"VORLAN device simulator 1.0 - it answers Read, Write, About and remote "
                        "instructions; 9600 baud, 8N1."});
}

TEST(Exchange, InstructionAndMessagePutTheirExactBytesOnTheLine) {
  for (const LanguageData* lang : {&EnglishLanguage(), &ChineseLanguage()}) {
    Session s(*lang);
    ASSERT_TRUE(s.open());
    s.view.setText("HisCallsign", "BG7XYZ-5");
    s.view.setText("HisPassword", "ABC123");
    s.view.setText("Instruction", "REBOOT");
    s.view.setText("Message", QString::fromUtf8("你好 hello"));

    SendInstruction(s.link, s.view, *lang);
    ASSERT_TRUE(s.waitForMessages(1));
    EXPECT_EQ(s.view.messages[0], "BG7XYZ-5" + Text(lang->radioWriteCorrect));
    SendMessage(s.link, s.view, *lang);
    ASSERT_TRUE(s.sim.waitFor("message", 1));

    EXPECT_EQ(s.sim.received("instruction"),
              QList<QByteArray>{"**3@BG7XYZ-5@ABC123@NOCALL-9REBOOT"});
    EXPECT_EQ(s.sim.received("message"),
              QList<QByteArray>{"*@BG7XYZ-5*" + QByteArray::fromHex("c4e3bac3") + " hello"});
    Pump(100);
    EXPECT_EQ(s.view.messages.size(), 1);  // the device does not answer a message
    EXPECT_TRUE(s.sim.received("noise").isEmpty());
  }
}

}  // namespace
}  // namespace vorlan::test
