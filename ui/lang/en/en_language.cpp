#include "ui/lang/en/en_language.h"

#include <array>

namespace vorlan {
namespace {

constexpr std::array kFieldLabels = {
    FieldLabel{"Callsign", "Callsign"},
    FieldLabel{"Password", "Password"},
    FieldLabel{"GroupCall", "Group Call"},
    FieldLabel{"DigiNumber", "Number"},
    FieldLabel{"Longitude", "Longitude"},
    FieldLabel{"Filter", "Filter"},
    FieldLabel{"SymbolCode", "Symbol/"},
    FieldLabel{"LoginPassword", "Login password"},
    FieldLabel{"BeaconText", "Text"},
    FieldLabel{"Server1", "APRS Server 1"},
    FieldLabel{"Latitude", "Latitude"},
    FieldLabel{"Server2", "APRS Server 2"},
    FieldLabel{"TxDelay", "TX delay"},
    FieldLabel{"Path", "Path"},
    FieldLabel{"TimedTx", "Timed TX "},
    FieldLabel{"Channel1Freq", "Channel 1"},
    FieldLabel{"Channel2Freq", "Channel 2"},
    FieldLabel{"TxCtcss", "TX CTCSS"},
    FieldLabel{"RxCtcss", "RX CTCSS"},
    FieldLabel{"WifiSsid", "WiFi SSID"},
    FieldLabel{"WifiPassword", "WiFi password"},
    FieldLabel{"TxInterval", "TX interval"},
    FieldLabel{"AlarmPhone", "Alarm phone number"},
    FieldLabel{"MyPhone", "My phone number"},
    FieldLabel{"SendInterval", "send interval"},
    FieldLabel{"WorkMode", "Work Mode"},
    FieldLabel{"HisCallsign", "His Callsign"},
    FieldLabel{"HisPassword", "His Password"},
    FieldLabel{"Instruction", "Instruction"},
    FieldLabel{"Message", "Massage"},
};

}  // namespace

const LanguageData& EnglishLanguage() {
  static const LanguageData data{
      .language = "en",
      .workModes = {"Disable", "CH1 TX/RX", "CH2 TX/RX", "CH1or2 TX/RX", "CH1TX CH2RX"},
      .server1 = "rotate.aprs2.net:14580",
      .server2 = "",
      .readCorrect = " Read correct!",
      .callsignPrefix = "Callsign:",
      .radioReadCorrect = " Radio Read correct!!!",
      .radioWriteCorrect = " Radio write correct!!!",
      .writeCorrect = " write correct!!!",
      .writeIncomplete =
          "Enter the number of characters a parameter is missing, please re-enter, "
          "or click 'Factory reset' re-set。",
      .readFails =
          "Read fails, check the connection and the hardware is working properly again or "
          "press 'read' button!!!",
      .receptionError =
          "Data reception error, please check the cabling and hardware is functioning "
          "properly or press 'write' and 'read' button again!!!",
      .refuseHeadWidth =
          "Nothing was written: \"%1\" must take exactly %2 bytes on the line, it takes %3 (a "
          "Chinese character takes 2).",
      .refuseNoWorkMode =
          "Nothing was written: \"%1\" must be one of its list entries, not \"%2\".",
      .refuseTailTooLong =
          "Nothing was written: \"%1\" takes at most %2 bytes on the line, it takes %3 (a Chinese "
          "character takes 2).",
      .refuseCharacter = "Nothing was sent: \"%1\" must not contain the character \"%2\".",
      .fieldLabels = kFieldLabels,
      .portUnmapped =
          "%1 has no device: no serial port is present for it. Plug the device in, or "
          "set the environment variable VORLAN_%1 to the device's path.",
      .portMissing = "Cannot open %1 (%2): the device is not there. Check that it is plugged in.",
      .portBusy =
          "Cannot open %1 (%2): another program is using the port. Close it and pick the "
          "port again.",
      .portBusyModemManager =
          " ModemManager often takes new ttyACM ports: stop it (sudo "
          "systemctl stop ModemManager) or wait a moment.",
      .portNoPermission =
          "Cannot open %1 (%2): permission denied. On Linux the user must be in "
          "the \"dialout\" group: run \"sudo usermod -aG dialout $USER\", then "
          "log out and in again.",
      .portOpenFailed = "Cannot open %1 (%2): %3",
      .portNotOpen = "No COM port is open: pick the device's port in the port box first.",
      .portHungUp =
          "%1 (%2) was closed: the device was unplugged or hung up. Plug it in and pick "
          "the port again.",
      .portWriteFailed = "Nothing was sent to %1 (%2): %3",
      .portOutputFull =
          "Nothing was sent to %1 (%2): %3 bytes do not fit in the 512-byte output "
          "buffer.",
  };
  return data;
}

}  // namespace vorlan
