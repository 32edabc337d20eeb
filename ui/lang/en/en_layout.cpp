#include "ui/lang/en/en_layout.h"

#include <array>

#include "ui/window_controls.h"

namespace vorlan::ui {
namespace {

using enum ControlKind;
using C = ControlSpec;

constexpr FontSpec kSong9{"宋体", 9};
constexpr FontSpec kSong10{"宋体", 10.5};

constexpr std::array kControls = {
    // The window's own controls. "Send massage" comes after Frame3 so it is drawn above it.
    C{"Frame1", Group, "", "Basic setup", {120, 120, 5295, 4335}},
    C{"Frame2", Group, "", "RF setup", {5520, 120, 4575, 1575}},
    C{"Frame10", Group, "", "Internet setup", {5520, 1800, 4575, 3735}},
    C{"Frame3", Group, "", "Send instruction & message", {120, 4560, 5295, 1695}},
    C{"Command2", Button, "", "Send massage", {4320, 4800, 975, 615}},
    C{"Frame5", Group, "", "COM port", {5880, 5640, 2775, 1215}},
    C{"Command1", Button, "", "About", {8760, 5640, 1335, 495}},
    C{"Command4", Button, "", "EXIT", {8760, 6240, 1335, 615}},
    C{"Label36",
      Label,
      "",
      "vorlan_setup: the setup tool for QX series terminals",
      {120, 6360, 6015, 255}},
    C{"Label6", Label, "", "Pick a COM port, then press Read.", {120, 6600, 5640, 255}},

    // Basic setup
    C{"Label1", Label, "Frame1", "Callsign", {120, 360, 855, 255}},
    C{"Text1", Entry, "Frame1", "", {960, 360, 1095, 255}},
    // One pixel wider than designed: "Symbol/" is seven 6-pixel characters.
    C{"Label5", Label, "Frame1", "Symbol/", {2280, 360, 630, 255}},
    C{"Text9", Entry, "Frame1", "", {3000, 360, 255, 270}},
    C{"Check9", Check, "Frame1", "sound prompt", {3360, 360, 1455, 255}},
    C{"Check7", Check, "Frame1", "Output trace", {3360, 600, 1455, 255}},
    C{"Label2", Label, "Frame1", "Password", {120, 720, 855, 255}},
    C{"Text2", Entry, "Frame1", "", {960, 720, 615, 270}},
    C{"Label3", Label, "Frame1", "Group Call", {1680, 720, 1095, 255}},
    C{"Text3", Entry, "Frame1", "", {2640, 720, 615, 270}},
    C{"Check5", Check, "Frame1", "spare", {3360, 840, 975, 255}},
    C{"Label18", Label, "Frame1", "Path", {120, 1080, 615, 255}},
    C{"Text17", Entry, "Frame1", "", {960, 1080, 2295, 270}},
    C{"Check11", Check, "Frame1", "spare", {3360, 1080, 975, 255}},
    C{"Check4", Check, "Frame1", "spare", {4200, 1080, 975, 255}},
    C{"Label11", Label, "Frame1", "Text", {120, 1440, 495, 255}},
    C{"Text11", Entry, "Frame1", "", {720, 1440, 4335, 270}},
    C{"Frame8", Group, "Frame1", "Radio setup", {120, 1800, 2775, 2415}},
    C{"Frame4", Group, "Frame1", "Digipeater setup", {3000, 1800, 2175, 2415}},

    // Radio setup
    C{"Check3", Check, "Frame8", "Intelligent beacon", {120, 240, 2055, 255}},
    C{"Check8", Check, "Frame8", "PTT transmit", {120, 480, 1455, 255}},
    C{"Check6", Check, "Frame8", "Car mode", {120, 720, 1215, 255}},
    C{"Check10", Check, "Frame8", "MIC-E format", {120, 960, 1455, 255}},
    C{"Check2", Check, "Frame8", "Additional report", {120, 1200, 2055, 255}},
    C{"Label19", Label, "Frame8", "TX delay", {120, 1560, 855, 255}},
    C{"Text16", Entry, "Frame8", "", {1200, 1560, 375, 255}},
    C{"Label34", Label, "Frame8", "x20ms", {1680, 1560, 855, 255}},
    C{"Label39", Label, "Frame8", "TX interval", {120, 1800, 1095, 255}},
    C{"Text25", Entry, "Frame8", "", {1200, 1800, 375, 270}},
    C{"Label40", Label, "Frame8", "second", {1680, 1800, 735, 255}},
    C{"Label25", Label, "Frame8", "Timed TX ", {120, 2040, 855, 255}},
    C{"Text18", Entry, "Frame8", "", {1200, 2040, 375, 270}},
    C{"Label12", Label, "Frame8", "minute", {1680, 2040, 735, 255}},

    // Digipeater setup
    C{"Check1", Check, "Frame4", "Digipeater", {120, 240, 1455, 255}},
    C{"Check13", Check, "Frame4", "Fixed latitude & longitude", {120, 480, 1815, 375}},
    C{"Label4", Label, "Frame4", "Number", {120, 960, 735, 255}},
    C{"Text4", Entry, "Frame4", "", {960, 960, 495, 270}},
    C{"Label16", Label, "Frame4", "Latitude", {120, 1320, 735, 255}},
    C{"Text13", Entry, "Frame4", "", {960, 1320, 975, 270}},
    C{"Label8", Label, "Frame4", "Longitude", {120, 1680, 855, 255}},
    C{"Text5", Entry, "Frame4", "", {960, 1680, 975, 270}},

    // RF setup
    C{"Label20", Label, "Frame2", "Channel 1", {120, 360, 855, 255}},
    C{"Text19", Entry, "Frame2", "", {960, 360, 855, 270}},
    C{"Label24", Label, "Frame2", "MHz", {1920, 360, 375, 255}},
    C{"Label21", Label, "Frame2", "Channel 2", {120, 720, 855, 255}},
    C{"Text20", Entry, "Frame2", "", {960, 720, 855, 270}},
    C{"Label26", Label, "Frame2", "MHz", {1920, 720, 375, 255}},
    C{"Label23", Label, "Frame2", "TX CTCSS", {2640, 840, 735, 255}},
    C{"Text21", Entry, "Frame2", "", {3480, 840, 375, 270}},
    C{"Label32", Label, "Frame2", "Work Mode", {120, 1080, 855, 255}},
    // Wider than designed, so that "CH1or2 TX/RX" shows whole.
    C{"Combo9", DropDown, "Frame2", "", {960, 1080, 1575, 300}},
    C{"Label27", Label, "Frame2", "RX CTCSS", {2640, 1200, 735, 255}},
    C{"Text22", Entry, "Frame2", "", {3480, 1200, 375, 270}},

    // Internet setup
    C{"Check14", Check, "Frame10", "Login Server", {120, 240, 1455, 255}},
    C{"Label13", Label, "Frame10", "Login password", {1800, 240, 1575, 255}},
    C{"Text10", Entry, "Frame10", "", {3120, 240, 615, 270}},
    C{"Check15", Check, "Frame10", "RF to IS", {120, 480, 1215, 255}},
    C{"Label35", Label, "Frame10", "send interval", {1920, 600, 1215, 255}},
    C{"Text34", Entry, "Frame10", "", {3120, 600, 375, 270}},
    C{"Label47", Label, "Frame10", "second", {3600, 600, 615, 255}},
    C{"Check16", Check, "Frame10", "IS to RF", {120, 720, 1215, 255}},
    C{"Check12", Check, "Frame10", "IS to Bluetooth", {120, 960, 1815, 255}},
    C{"Label15", Label, "Frame10", "Filter", {120, 1200, 735, 255}},
    C{"Text6", Entry, "Frame10", "", {720, 1200, 3615, 270}},
    C{"Label17", Label, "Frame10", "APRS Server 1", {120, 1560, 1215, 255}},
    C{"Text12", Entry, "Frame10", "", {1320, 1560, 2055, 270}},
    C{"Check17", Check, "Frame10", "Enable", {3480, 1560, 975, 255}},
    C{"Label28", Label, "Frame10", "APRS Server 2", {120, 1920, 1335, 255}},
    C{"Text15", Entry, "Frame10", "", {1320, 1920, 2055, 270}},
    C{"Check18", Check, "Frame10", "Enable", {3480, 1920, 975, 255}},
    C{"Label29", Label, "Frame10", "WiFi SSID", {120, 2280, 855, 255}},
    C{"Text23", Entry, "Frame10", "", {1440, 2280, 1455, 270}},
    C{"Label30", Label, "Frame10", "WiFi password", {120, 2640, 1335, 255}},
    C{"Text24", Entry, "Frame10", "", {1440, 2640, 1455, 270}},
    C{"Label33", Label, "Frame10", "Alarm phone number", {120, 3000, 1815, 255}},
    C{"Text29", Entry, "Frame10", "", {1800, 3000, 1815, 270}},
    C{"Label38", Label, "Frame10", "My phone number", {120, 3360, 1575, 255}},
    C{"Text30", Entry, "Frame10", "", {1800, 3360, 1815, 270}},

    // Send instruction & message
    C{"Label7", Label, "Frame3", "His Callsign", {120, 240, 1335, 255}},
    C{"Text7", Entry, "Frame3", "", {1320, 240, 1215, 270}},
    C{"Command3", Button, "Frame3", "Send instruction", {2760, 240, 1335, 615}},
    C{"Label9", Label, "Frame3", "His Password", {120, 600, 1215, 255}},
    C{"Text8", Entry, "Frame3", "", {1320, 600, 1215, 270}},
    C{"Label46", Label, "Frame3", "Instruction", {120, 960, 1095, 255}},
    C{"Text26", Entry, "Frame3", "", {1320, 960, 3855, 270}},
    C{"Label31", Label, "Frame3", "Massage", {120, 1320, 975, 255}},
    C{"Text27", Entry, "Frame3", "", {1320, 1320, 3855, 270}},

    // COM port
    C{"Combo1", DropDown, "Frame5", "", {120, 240, 1095, 300}},
    C{"Command6", Button, "Frame5", "Write", {1440, 240, 1215, 375}},
    C{"Command8", Button, "Frame5", "Factory reset", {120, 720, 1095, 375}},
    C{"Command7", Button, "Frame5", "Read", {1440, 720, 1215, 375}},
};
static_assert(HoldsTheNamedControls(kControls));

constexpr std::array kFonts = {
    FontRule{"Frame1", kSong10},           FontRule{"Frame2", kSong10},
    FontRule{"Frame3", kSong10},           FontRule{"Frame4", kSong10},
    FontRule{"Frame8", kSong10},           FontRule{"Frame5", kSong9},
    FontRule{"Command2", kSong10},         FontRule{"Command3", kSong10},
    FontRule{"Command1", {"宋体", 14.25}}, FontRule{"Command4", {"宋体", 18}},
    FontRule{"Label36", kSong10},
};

constexpr std::array<std::string_view, 56> kTabOrder = {
    "Text1",   "Text2",    "Text17",   "Text11",   "Text9",    "Text3",    "Text16",   "Text25",
    "Text18",  "Text4",    "Text13",   "Text5",    "Combo1",   "Text19",   "Text20",   "Text21",
    "Text22",  "Command4", "Command6", "Command7", "Command8", "Text6",    "Check6",   "Text12",
    "Text15",  "Text23",   "Text24",   "Text29",   "Text30",   "Combo9",   "Command1", "Check14",
    "Check16", "Check13",  "Check15",  "Check9",   "Check11",  "Check8",   "Check3",   "Text10",
    "Check12", "Check10",  "Check2",   "Check1",   "Text26",   "Command3", "Text8",    "Text7",
    "Check7",  "Check17",  "Check18",  "Text34",   "Text27",   "Command2", "Check5",   "Check4",
};
static_assert(TabOrderNamesItsControls(kControls, kTabOrder));

constexpr WindowLayout kLayout{
    .caption = "QX series APRS setup program V3.0",
    .clientWidth = 10170,
    .clientHeight = 6915,
    .defaultFont = kSong9,
    .controls = kControls,
    .fonts = kFonts,
    .tabOrder = kTabOrder,
    .statusLine = "Label6",
};

}  // namespace

const WindowLayout& EnglishLayout() {
  return kLayout;
}

}  // namespace vorlan::ui
