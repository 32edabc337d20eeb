#pragma once
// The window's named controls that the logic reaches: the box of each field, the label that names
// it, the buttons, the port box and the order in which the window takes a whole set of values.
// The same in both builds; each build's layout places them (window_layout.h), and a layout that
// lacks one does not compile (HoldsTheNamedControls).

#include <algorithm>
#include <array>
#include <span>
#include <string_view>
#include <vector>

#include "params/field.h"
#include "ui/window_layout.h"

namespace vorlan::ui {

struct FieldControl {
  Field field;
  std::string_view box;    // the entry, check or drop-down box that shows it
  std::string_view label;  // the label that names it; empty for a check box, whose caption does
};

namespace window_controls_detail {
using enum Field;
inline constexpr std::array<FieldControl, kFieldCount> kFieldControls = {{
    {Callsign, "Text1", "Label1"},
    {Password, "Text2", "Label2"},
    {GroupCall, "Text3", "Label3"},
    {DigiNumber, "Text4", "Label4"},
    {Longitude, "Text5", "Label8"},
    {Filter, "Text6", "Label15"},
    {SymbolCode, "Text9", "Label5"},
    {LoginPassword, "Text10", "Label13"},
    {BeaconText, "Text11", "Label11"},
    {Server1, "Text12", "Label17"},
    {Latitude, "Text13", "Label16"},
    {Server2, "Text15", "Label28"},
    {TxDelay, "Text16", "Label19"},
    {Path, "Text17", "Label18"},
    {TimedTx, "Text18", "Label25"},
    {Channel1Freq, "Text19", "Label20"},
    {Channel2Freq, "Text20", "Label21"},
    {TxCtcss, "Text21", "Label23"},
    {RxCtcss, "Text22", "Label27"},
    {WifiSsid, "Text23", "Label29"},
    {WifiPassword, "Text24", "Label30"},
    {TxInterval, "Text25", "Label39"},
    {AlarmPhone, "Text29", "Label33"},
    {MyPhone, "Text30", "Label38"},
    {SendInterval, "Text34", "Label35"},
    {Digipeater, "Check1", ""},
    {AdditionalReport, "Check2", ""},
    {SmartBeacon, "Check3", ""},
    {Spare4, "Check4", ""},
    {Spare5, "Check5", ""},
    {CarMode, "Check6", ""},
    {OutputTrace, "Check7", ""},
    {PttTransmit, "Check8", ""},
    {SoundPrompt, "Check9", ""},
    {MicEFormat, "Check10", ""},
    {Spare11, "Check11", ""},
    {IsToBluetooth, "Check12", ""},
    {FixedPosition, "Check13", ""},
    {LoginServer, "Check14", ""},
    {RfToIs, "Check15", ""},
    {IsToRf, "Check16", ""},
    {Server1Enable, "Check17", ""},
    {Server2Enable, "Check18", ""},
    {WorkMode, "Combo9", "Label32"},
    {HisCallsign, "Text7", "Label7"},
    {HisPassword, "Text8", "Label9"},
    {Instruction, "Text26", "Label46"},
    {Message, "Text27", "Label31"},
}};

constexpr bool KeysInOrder() {
  for (int i = 0; i < kFieldCount; ++i) {
    if (Index(kFieldControls[i].field) != i) return false;
  }
  return true;
}
static_assert(KeysInOrder(), "each row stands at its key's index");
}  // namespace window_controls_detail

constexpr const FieldControl& ControlOf(Field f) {
  return window_controls_detail::kFieldControls[static_cast<std::size_t>(Index(f))];
}
constexpr std::span<const FieldControl> FieldControls() {
  return window_controls_detail::kFieldControls;
}

// The buttons, each with its action.
enum class Button { Write, Read, FactoryReset, About, SendMessage, SendInstruction, Exit };
struct ButtonControl {
  Button button;
  std::string_view name;
};
inline constexpr std::array<ButtonControl, 7> kButtons = {{
    {Button::Write, "Command6"},
    {Button::Read, "Command7"},
    {Button::FactoryReset, "Command8"},
    {Button::About, "Command1"},
    {Button::SendMessage, "Command2"},
    {Button::SendInstruction, "Command3"},
    {Button::Exit, "Command4"},
}};

// The port box: "COM1" to "COM30", "COM2" at start.
inline constexpr std::string_view kPortBox = "Combo1";
inline constexpr std::string_view kPortBoxStart = "COM2";

// Whether a layout places every control named here exactly once: each field's box and label, each
// button and the port box.
constexpr bool HoldsTheNamedControls(std::span<const ControlSpec> layout) {
  auto once = [&](std::string_view name) {
    return std::count_if(layout.begin(), layout.end(),
                         [&](const ControlSpec& c) { return c.name == name; }) == 1;
  };
  for (const auto& f : FieldControls()) {
    if (!once(f.box) || (!f.label.empty() && !once(f.label))) return false;
  }
  for (const auto& b : kButtons) {
    if (!once(b.name)) return false;
  }
  return once(kPortBox);
}

// Whether every name of the tab order is a control of the layout, once in the order.
constexpr bool TabOrderNamesItsControls(std::span<const ControlSpec> layout,
                                        std::span<const std::string_view> tabOrder) {
  for (std::string_view name : tabOrder) {
    if (std::count(tabOrder.begin(), tabOrder.end(), name) != 1) return false;
    if (std::none_of(layout.begin(), layout.end(),
                     [&](const ControlSpec& c) { return c.name == name; })) {
      return false;
    }
  }
  return true;
}

// The order in which the window takes a whole set of values: the entry boxes in ascending control
// number (send fields among them), then the check boxes Check1 to Check18, then the work-mode box.
const std::vector<Field>& ShowOrder();

}  // namespace vorlan::ui
