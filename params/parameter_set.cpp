#include "params/parameter_set.h"

#include <utility>

namespace vorlan {
namespace {

template <typename Record, typename Member, std::size_t N>
Member Record::*Lookup(const std::pair<std::string_view, Member Record::*> (&table)[N],
                       std::string_view field) {
  for (const auto& [name, member] : table) {
    if (name == field) return member;
  }
  return nullptr;
}

using P = ParameterSet;
const std::pair<std::string_view, QString P::*> kTexts[] = {
    {"Callsign", &P::Callsign},         {"Password", &P::Password},
    {"GroupCall", &P::GroupCall},       {"DigiNumber", &P::DigiNumber},
    {"Longitude", &P::Longitude},       {"Filter", &P::Filter},
    {"SymbolCode", &P::SymbolCode},     {"LoginPassword", &P::LoginPassword},
    {"BeaconText", &P::BeaconText},     {"Server1", &P::Server1},
    {"Latitude", &P::Latitude},         {"Server2", &P::Server2},
    {"TxDelay", &P::TxDelay},           {"Path", &P::Path},
    {"TimedTx", &P::TimedTx},           {"Channel1Freq", &P::Channel1Freq},
    {"Channel2Freq", &P::Channel2Freq}, {"TxCtcss", &P::TxCtcss},
    {"RxCtcss", &P::RxCtcss},           {"WifiSsid", &P::WifiSsid},
    {"WifiPassword", &P::WifiPassword}, {"TxInterval", &P::TxInterval},
    {"AlarmPhone", &P::AlarmPhone},     {"MyPhone", &P::MyPhone},
    {"SendInterval", &P::SendInterval}, {"WorkMode", &P::WorkMode},
};
const std::pair<std::string_view, bool P::*> kFlags[] = {
    {"Digipeater", &P::Digipeater},       {"AdditionalReport", &P::AdditionalReport},
    {"SmartBeacon", &P::SmartBeacon},     {"Spare4", &P::Spare4},
    {"Spare5", &P::Spare5},               {"CarMode", &P::CarMode},
    {"OutputTrace", &P::OutputTrace},     {"PttTransmit", &P::PttTransmit},
    {"SoundPrompt", &P::SoundPrompt},     {"MicEFormat", &P::MicEFormat},
    {"Spare11", &P::Spare11},             {"IsToBluetooth", &P::IsToBluetooth},
    {"FixedPosition", &P::FixedPosition}, {"LoginServer", &P::LoginServer},
    {"RfToIs", &P::RfToIs},               {"IsToRf", &P::IsToRf},
    {"Server1Enable", &P::Server1Enable}, {"Server2Enable", &P::Server2Enable},
};
using S = SendFields;
const std::pair<std::string_view, QString S::*> kSendTexts[] = {
    {"HisCallsign", &S::HisCallsign},
    {"HisPassword", &S::HisPassword},
    {"Instruction", &S::Instruction},
    {"Message", &S::Message},
};

}  // namespace

QString* ParameterSet::text(std::string_view f) {
  auto m = Lookup(kTexts, f);
  return m ? &(this->*m) : nullptr;
}
const QString* ParameterSet::text(std::string_view f) const {
  auto m = Lookup(kTexts, f);
  return m ? &(this->*m) : nullptr;
}
bool* ParameterSet::flag(std::string_view f) {
  auto m = Lookup(kFlags, f);
  return m ? &(this->*m) : nullptr;
}
const bool* ParameterSet::flag(std::string_view f) const {
  auto m = Lookup(kFlags, f);
  return m ? &(this->*m) : nullptr;
}
QString* SendFields::text(std::string_view f) {
  auto m = Lookup(kSendTexts, f);
  return m ? &(this->*m) : nullptr;
}
const QString* SendFields::text(std::string_view f) const {
  auto m = Lookup(kSendTexts, f);
  return m ? &(this->*m) : nullptr;
}

}  // namespace vorlan
