#include "params/presets.h"

#include "params/field_table.h"

namespace vorlan {
namespace {

struct TextPreset {
  Field field;
  std::string_view value;
};

// Shared by both builds; the two servers are the build's.
constexpr TextPreset kTexts[] = {
    {Field::Callsign, "NOCALL-9"},
    {Field::Password, "480271"},
    {Field::GroupCall, "NOGROU"},
    {Field::DigiNumber, "000"},
    {Field::Longitude, "11300.00E"},
    {Field::Filter, "m/50"},
    {Field::SymbolCode, "["},
    {Field::LoginPassword, "50713"},
    {Field::BeaconText, "VORLAN"},
    {Field::Latitude, "2300.00N"},
    {Field::TxDelay, "30"},
    {Field::Path, "WIDE1-1,WIDE2-1"},
    {Field::TimedTx, "00"},
    {Field::Channel1Freq, "144.640"},
    {Field::Channel2Freq, "144.390"},
    {Field::TxCtcss, "00"},
    {Field::RxCtcss, "00"},
    {Field::WifiSsid, "NOSSID"},
    {Field::WifiPassword, "58203746"},
    {Field::TxInterval, "40"},
    {Field::AlarmPhone, ""},
    {Field::MyPhone, ""},
    {Field::SendInterval, "20"},
};

constexpr Field kFlagsOn[] = {
    Field::AdditionalReport, Field::SmartBeacon, Field::OutputTrace,   Field::PttTransmit,
    Field::SoundPrompt,      Field::MicEFormat,  Field::Server1Enable,
};

}  // namespace

ParameterSet InitialParameters(const ServerPresets& servers) {
  ParameterSet p;
  for (const auto& preset : kTexts) p.setText(preset.field, Utf8(preset.value));
  p.setText(Field::Server1, Utf8(servers.server1));
  p.setText(Field::Server2, Utf8(servers.server2));
  for (Field f : kFlagsOn) p.setFlag(f, true);
  p.setWorkMode(kInitialWorkMode);
  return p;
}

SendFields InitialSendFields() {
  return {"NOCALL", "407KQZ", "", "hello"};
}

SendFields FactorySendFields() {
  SendFields s = InitialSendFields();
  s.HisPassword = "407kqz";
  return s;
}

}  // namespace vorlan
