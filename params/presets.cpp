#include "params/presets.h"

namespace vorlan {

ParameterSet InitialParameters(const LanguageData& lang) {
  ParameterSet p;
  p.Callsign = "NOCALL-9";
  p.Password = "480271";
  p.GroupCall = "NOGROU";
  p.DigiNumber = "000";
  p.Longitude = "11300.00E";
  p.Filter = "m/50";
  p.SymbolCode = "[";
  p.LoginPassword = "50713";
  p.BeaconText = "VORLAN";
  p.Server1 = Text(lang.server1);
  p.Latitude = "2300.00N";
  p.Server2 = Text(lang.server2);
  p.TxDelay = "30";
  p.Path = "WIDE1-1,WIDE2-1";
  p.TimedTx = "00";
  p.Channel1Freq = "144.640";
  p.Channel2Freq = "144.390";
  p.TxCtcss = "00";
  p.RxCtcss = "00";
  p.WifiSsid = "NOSSID";
  p.WifiPassword = "58203746";
  p.TxInterval = "40";
  p.AlarmPhone = "";
  p.MyPhone = "";
  p.SendInterval = "20";

  p.AdditionalReport = true;
  p.SmartBeacon = true;
  p.OutputTrace = true;
  p.PttTransmit = true;
  p.SoundPrompt = true;
  p.MicEFormat = true;
  p.Server1Enable = true;

  p.WorkMode = Text(lang.workModes[1]);
  return p;
}

ParameterSet FactoryParameters(const LanguageData& lang) {
  return InitialParameters(lang);
}

SendFields InitialSendFields() {
  return {"NOCALL", "407KQZ", "", "hello"};
}

SendFields FactorySendFields() {
  SendFields s = InitialSendFields();
  s.HisPassword = "407kqz";
  return s;
}

QString PortText(int n) {
  return QStringLiteral("COM%1").arg(n);
}

QStringList PortList() {
  QStringList ports;
  for (int n = 1; n <= 30; ++n) ports << PortText(n);
  return ports;
}

std::optional<int> PortNumber(const QString& text) {
  const QStringList ports = PortList();
  const qsizetype index = ports.indexOf(text);
  if (index < 0) return std::nullopt;
  return static_cast<int>(index) + 1;
}

QStringList WorkModeList(const LanguageData& lang) {
  QStringList list;
  for (auto mode : lang.workModes) list << Text(mode);
  return list;
}

std::optional<int> WorkModeCodeOf(const QString& text, const LanguageData& lang) {
  const qsizetype index = WorkModeList(lang).indexOf(text);
  if (index < 0) return std::nullopt;
  return static_cast<int>(index);
}

std::optional<QString> WorkModeText(int code, const LanguageData& lang) {
  if (code < 0 || code >= static_cast<int>(lang.workModes.size())) return std::nullopt;
  return Text(lang.workModes[static_cast<std::size_t>(code)]);
}

}  // namespace vorlan
