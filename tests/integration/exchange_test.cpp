// Read, Write, About, Send instruction and Send message through the real link and the simulator.
#include <gtest/gtest.h>

#include "link/device_text.h"
#include "link/protocol.h"
#include "session.h"
#include "tools/device_sim/configuration.h"
#include "ui/lang/en/en_language.h"
#include "ui/lang/zh/zh_language.h"

namespace vorlan::test {
namespace {

const LanguageData* const kBuilds[] = {&EnglishLanguage(), &ChineseLanguage()};

// New values for a Write, non-ASCII where a field takes it; head fields fill their width.
constexpr char kEdited[] =
    "GroupCall=群呼叫|Password=246810|DigiNumber=123|TimedTx=10|TxInterval=60|TxDelay=50|"
    "Latitude=2233.44S|Longitude=01122.33W|Channel1Freq=433.500|Channel2Freq=430.050|TxCtcss=05|"
    "RxCtcss=07|SymbolCode=k|SendInterval=45|LoginPassword=11111|Callsign=BG7ABC-15|Path=WIDE1-1|"
    "BeaconText=测试信标 round trip 往返|WifiSsid=家里WiFi|WifiPassword=pass word|"
    "AlarmPhone=+8613912345678|MyPhone=0755-12345678|Server1=asia.aprs2.net:14580|Server2=|"
    "Filter=b/BG7ABC*";

// Every text field of the window holds bytes(field) padded to its read-back width with the filler.
void ExpectTexts(const ParameterSet& shown, const auto& bytes, char filler) {
  for (const auto& row : ReadBackLayout()) {
    if (row.decoding != ReadBackDecoding::Text) continue;
    EXPECT_EQ(EncodeDeviceText(shown.text(row.field)),
              bytes(row.field).leftJustified(row.width, filler))
        << Def(row.field).name;
  }
}

// Every flag of the window.
QList<bool> Flags(const ParameterSet& params) {
  QList<bool> flags;
  for (const auto& f : ParameterTable()) {
    if (f.kind == FieldKind::Flag) flags << params.flag(f.key);
  }
  return flags;
}

TEST(Exchange, ReadWriteAndReadAgainGiveBackEveryFieldAndEveryByte) {
  const sim::Configuration device = sim::DefaultConfiguration();
  auto stored = [&](Field field) { return device.find(Def(field).name)->second; };
  const struct {
    const char* option;
    char filler;
    QStringList pace;
  } fillers[] = {{"blank", ' ', {}}, {"nul", '\0', {"--fast"}}, {"ff", '\xff', {"--fast"}}};
  for (const LanguageData* lang : kBuilds) {
    for (const auto& [option, filler, pace] : fillers) {
      SCOPED_TRACE(std::string(lang->language) + " " + option);
      Session s(*lang, QStringList{"--filler", option} + pace);  // blank: paced at 9600 baud
      ASSERT_TRUE(s.open());

      // Read fills all 44 fields with what the device holds, with one receive event.
      s.actions.read();
      ASSERT_TRUE(s.waitForMessages(1));
      EXPECT_TRUE(s.view.messages[0].endsWith(Text(lang->readCorrect)));
      EXPECT_EQ(s.events, 1);
      EXPECT_EQ(s.view.shown, 1);
      ExpectTexts(s.view.params, stored, filler);
      for (const auto& f : ParameterTable()) {
        if (f.kind != FieldKind::Flag) continue;
        EXPECT_EQ(s.view.params.flag(f.key), stored(f.key) != "0") << f.name;
      }
      EXPECT_EQ(s.view.params.workMode(), '4');

      // Every field edited away from the start values is written and comes back padded.
      ParameterSet written = InitialParameters(lang->servers);
      for (const QString& edit : QString::fromUtf8(kEdited).split('|')) {
        written.setText(*FieldNamed(edit.section('=', 0, 0).toStdString()), edit.section('=', 1));
      }
      for (const auto& f : ParameterTable()) {
        if (f.kind == FieldKind::Flag) written.setFlag(f.key, !written.flag(f.key));
      }
      written.setWorkMode('3');
      TypeAll(s.actions, written, *lang);
      s.actions.write();
      ASSERT_TRUE(s.waitForMessages(2));
      EXPECT_EQ(s.view.messages[1], "BG7ABC-15" + Text(lang->writeCorrect));
      s.view.params = InitialParameters(lang->servers);
      s.actions.read();
      ASSERT_TRUE(s.waitForMessages(3));
      ExpectTexts(
          s.view.params, [&](Field f) { return EncodeDeviceText(written.text(f)); }, filler);
      EXPECT_EQ(Flags(s.view.params), Flags(written));
      EXPECT_EQ(s.view.params.workMode(), '3');

      // What was read, filler bytes included, written back unchanged reads back the same bytes.
      s.actions.write();
      ASSERT_TRUE(s.waitForMessages(4));
      s.actions.read();
      ASSERT_TRUE(s.waitForMessages(5) && s.sim.waitFor("tx", 5));
      EXPECT_EQ(s.sim.sent()[3].left(2), "$4");
      EXPECT_EQ(s.sim.sent()[4], s.sim.sent()[2]);
    }
  }
}

TEST(Exchange, AboutInstructionAndMessageAtLineSpeed) {
  for (const LanguageData* lang : kBuilds) {
    Session s(*lang, {});  // paced: the event must wait for the whole device text
    ASSERT_TRUE(s.open());
    s.view.send = {"BG7XYZ-5", "ABC123", "REBOOT", QString::fromUtf8("你好 hello")};
    s.actions.about();
    ASSERT_TRUE(s.waitForMessages(1));
    s.actions.sendInstruction();
    ASSERT_TRUE(s.waitForMessages(2));
    s.actions.sendMessage();
    ASSERT_TRUE(s.sim.waitFor("message", 1));
    Pump(100);  // the device does not answer a message
    EXPECT_EQ(s.view.messages, QStringList({"VORLAN device simulator 1.0 - it answers Read, Write, "
                                            "About and remote instructions; 9600 baud, 8N1.",
                                            "BG7XYZ-5" + Text(lang->radioWriteCorrect)}));
    EXPECT_EQ(s.sim.received("about"), QList<QByteArray>{"$3#"});
    EXPECT_EQ(s.sim.received("instruction"),
              QList<QByteArray>{"**3@BG7XYZ-5@ABC123@NOCALL-9REBOOT"});
    EXPECT_EQ(s.sim.received("message"),
              QList<QByteArray>{"*@BG7XYZ-5*" + QByteArray::fromHex("c4e3bac3") + " hello"});
    EXPECT_TRUE(s.sim.received("noise").isEmpty());
  }
}

}  // namespace
}  // namespace vorlan::test
