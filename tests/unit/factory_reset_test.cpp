#include "params/factory_reset.h"

#include <gtest/gtest.h>

#include "fake_view.h"
#include "ui/lang/en/en_language.h"
#include "ui/lang/zh/zh_language.h"

namespace vorlan {
namespace {

TEST(FactoryReset, EveryControlInOrderInBothBuilds) {
  // Text1 .. Text34, Check1 .. Check18, Combo9; the build's servers and work mode go in %1 .. %3.
  const QString order =
      "Callsign=NOCALL-9;Password=480271;GroupCall=NOGROU;DigiNumber=000;Longitude=11300.00E;"
      "Filter=m/50;HisCallsign=NOCALL;HisPassword=407kqz;SymbolCode=[;LoginPassword=50713;"
      "BeaconText=VORLAN;Server1=%1;Latitude=2300.00N;Server2=%2;TxDelay=30;"
      "Path=WIDE1-1,WIDE2-1;TimedTx=00;Channel1Freq=144.640;Channel2Freq=144.390;TxCtcss=00;"
      "RxCtcss=00;WifiSsid=NOSSID;WifiPassword=58203746;TxInterval=40;Instruction=;Message=hello;"
      "AlarmPhone=;MyPhone=;SendInterval=20;Digipeater=0;AdditionalReport=1;SmartBeacon=1;"
      "Spare4=0;Spare5=0;CarMode=0;OutputTrace=1;PttTransmit=1;SoundPrompt=1;MicEFormat=1;"
      "Spare11=0;IsToBluetooth=0;FixedPosition=0;LoginServer=0;RfToIs=0;IsToRf=0;"
      "Server1Enable=1;Server2Enable=0;WorkMode=%3";
  const struct {
    const LanguageData& lang;
    QString expected;
  } rows[] = {
      {EnglishLanguage(), order.arg("rotate.aprs2.net:14580", "", "CH1 TX/RX")},
      {ChineseLanguage(), order.arg("asia.aprs2.net:14580", "rotate.aprs.net:10008", "频道1收发")},
  };
  for (const auto& row : rows) {
    // A window whose every control holds something else, a typed work mode included.
    test::FakeView view(row.lang);
    for (auto& [name, text] : view.texts) text = "edited " + QString::fromStdString(name);
    for (auto& [name, on] : view.flags) on = !on;
    view.texts["WorkMode"] = "ch1 tx/rx";
    view.texts["ComPort"] = "COM7";

    FactoryReset(view, row.lang);

    EXPECT_EQ(view.changes, row.expected.split(';'));
    EXPECT_EQ(view.text("ComPort"), "COM7");
    EXPECT_TRUE(view.messages.isEmpty());
  }
}

}  // namespace
}  // namespace vorlan
