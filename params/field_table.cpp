#include "params/field_table.h"

#include <algorithm>
#include <array>

namespace vorlan {
namespace {

using enum FieldKind;
using enum FieldRole;

// Groups: Frame1 "Basic setup", Frame8 "Radio setup", Frame4 "Digipeater setup", Frame2 "RF setup",
// Frame10 "Internet setup", Frame3 "Send instruction & message".
constexpr std::array kFields = {
    // Text parameters
    FieldInfo{"Callsign", "Text1", Text, 12, "Frame1", "Frame1", Parameter},
    FieldInfo{"Password", "Text2", Text, 6, "Frame1", "Frame1", Parameter},
    FieldInfo{"GroupCall", "Text3", Text, 6, "Frame1", "Frame1", Parameter},
    FieldInfo{"DigiNumber", "Text4", Text, 3, "Frame4", "Frame4", Parameter},
    FieldInfo{"Longitude", "Text5", Text, 9, "Frame4", "Frame4", Parameter},
    FieldInfo{"Filter", "Text6", Text, 48, "Frame10", "Frame10", Parameter},
    FieldInfo{"SymbolCode", "Text9", Text, 1, "Frame1", "Frame1", Parameter},
    FieldInfo{"LoginPassword", "Text10", Text, 5, "Frame10", "Frame10", Parameter},
    FieldInfo{"BeaconText", "Text11", Text, 64, "Frame1", "Frame1", Parameter},
    FieldInfo{"Server1", "Text12", Text, 32, "Frame10", "Frame10", Parameter},
    FieldInfo{"Latitude", "Text13", Text, 8, "Frame4", "Frame4", Parameter},
    FieldInfo{"Server2", "Text15", Text, 32, "Frame10", "Frame10", Parameter},
    FieldInfo{"TxDelay", "Text16", Text, 2, "Frame8", "Frame8", Parameter},
    FieldInfo{"Path", "Text17", Text, 20, "Frame1", "Frame1", Parameter},
    FieldInfo{"TimedTx", "Text18", Text, 2, "Frame8", "Frame8", Parameter},
    FieldInfo{"Channel1Freq", "Text19", Text, 7, "Frame2", "Frame2", Parameter},
    FieldInfo{"Channel2Freq", "Text20", Text, 7, "Frame2", "Frame2", Parameter},
    FieldInfo{"TxCtcss", "Text21", Text, 2, "Frame2", "Frame2", Parameter},
    FieldInfo{"RxCtcss", "Text22", Text, 2, "Frame2", "Frame2", Parameter},
    FieldInfo{"WifiSsid", "Text23", Text, 16, "Frame10", "Frame10", Parameter},
    FieldInfo{"WifiPassword", "Text24", Text, 16, "Frame10", "Frame10", Parameter},
    FieldInfo{"TxInterval", "Text25", Text, 2, "Frame8", "Frame8", Parameter},
    FieldInfo{"AlarmPhone", "Text29", Text, 16, "Frame10", "Frame10", Parameter},
    FieldInfo{"MyPhone", "Text30", Text, 16, "Frame10", "Frame10", Parameter},
    FieldInfo{"SendInterval", "Text34", Text, 2, "Frame10", "Frame10", Parameter},
    // Flags
    FieldInfo{"Digipeater", "Check1", Flag, 0, "Frame4", "Frame4", Parameter},
    FieldInfo{"AdditionalReport", "Check2", Flag, 0, "Frame8", "Frame8", Parameter},
    FieldInfo{"SmartBeacon", "Check3", Flag, 0, "Frame8", "Frame8", Parameter},
    FieldInfo{"Spare4", "Check4", Flag, 0, "Frame1", "Frame8", Parameter},
    FieldInfo{"Spare5", "Check5", Flag, 0, "Frame1", "Frame1", Parameter},
    FieldInfo{"CarMode", "Check6", Flag, 0, "Frame8", "Frame8", Parameter},
    FieldInfo{"OutputTrace", "Check7", Flag, 0, "Frame1", "Frame1", Parameter},
    FieldInfo{"PttTransmit", "Check8", Flag, 0, "Frame8", "Frame8", Parameter},
    FieldInfo{"SoundPrompt", "Check9", Flag, 0, "Frame1", "Frame1", Parameter},
    FieldInfo{"MicEFormat", "Check10", Flag, 0, "Frame8", "Frame8", Parameter},
    FieldInfo{"Spare11", "Check11", Flag, 0, "Frame1", "Frame1", Parameter},
    FieldInfo{"IsToBluetooth", "Check12", Flag, 0, "Frame10", "Frame10", Parameter},
    FieldInfo{"FixedPosition", "Check13", Flag, 0, "Frame4", "Frame4", Parameter},
    FieldInfo{"LoginServer", "Check14", Flag, 0, "Frame10", "Frame10", Parameter},
    FieldInfo{"RfToIs", "Check15", Flag, 0, "Frame10", "Frame10", Parameter},
    FieldInfo{"IsToRf", "Check16", Flag, 0, "Frame10", "Frame10", Parameter},
    FieldInfo{"Server1Enable", "Check17", Flag, 0, "Frame10", "Frame10", Parameter},
    FieldInfo{"Server2Enable", "Check18", Flag, 0, "Frame10", "Frame10", Parameter},
    // Work mode
    FieldInfo{"WorkMode", "Combo9", WorkMode, 0, "Frame2", "Frame2", Parameter},
    // Send fields
    FieldInfo{"HisCallsign", "Text7", Text, 12, "Frame3", "Frame3", SendField},
    FieldInfo{"HisPassword", "Text8", Text, 6, "Frame3", "Frame3", SendField},
    FieldInfo{"Instruction", "Text26", Text, 48, "Frame3", "Frame3", SendField},
    FieldInfo{"Message", "Text27", Text, 150, "Frame3", "Frame3", SendField},
};

static_assert(std::count_if(kFields.begin(), kFields.end(),
                            [](const FieldInfo& f) { return f.role == Parameter; }) ==
              kParameterCount);

}  // namespace

std::span<const FieldInfo> FieldTable() { return kFields; }

const FieldInfo* FindField(std::string_view name) {
  auto it = std::find_if(kFields.begin(), kFields.end(),
                         [&](const FieldInfo& f) { return f.name == name; });
  return it == kFields.end() ? nullptr : &*it;
}

const FieldInfo* FindFieldByControl(std::string_view control) {
  auto it = std::find_if(kFields.begin(), kFields.end(),
                         [&](const FieldInfo& f) { return f.control == control; });
  return it == kFields.end() ? nullptr : &*it;
}

}  // namespace vorlan
