#include "ui/lang/en/en_language.h"

#include <array>

namespace vorlan {
namespace {

constexpr std::array kFieldLabels = {
    FieldLabel{Field::Callsign, "Callsign"},
    FieldLabel{Field::Password, "Password"},
    FieldLabel{Field::GroupCall, "Group Call"},
    FieldLabel{Field::DigiNumber, "Number"},
    FieldLabel{Field::Longitude, "Longitude"},
    FieldLabel{Field::Filter, "Filter"},
    FieldLabel{Field::SymbolCode, "Symbol/"},
    FieldLabel{Field::LoginPassword, "Login password"},
    FieldLabel{Field::BeaconText, "Text"},
    FieldLabel{Field::Server1, "APRS Server 1"},
    FieldLabel{Field::Latitude, "Latitude"},
    FieldLabel{Field::Server2, "APRS Server 2"},
    FieldLabel{Field::TxDelay, "TX delay"},
    FieldLabel{Field::Path, "Path"},
    FieldLabel{Field::TimedTx, "Timed TX "},
    FieldLabel{Field::Channel1Freq, "Channel 1"},
    FieldLabel{Field::Channel2Freq, "Channel 2"},
    FieldLabel{Field::TxCtcss, "TX CTCSS"},
    FieldLabel{Field::RxCtcss, "RX CTCSS"},
    FieldLabel{Field::WifiSsid, "WiFi SSID"},
    FieldLabel{Field::WifiPassword, "WiFi password"},
    FieldLabel{Field::TxInterval, "TX interval"},
    FieldLabel{Field::AlarmPhone, "Alarm phone number"},
    FieldLabel{Field::MyPhone, "My phone number"},
    FieldLabel{Field::SendInterval, "send interval"},
    FieldLabel{Field::WorkMode, "Work Mode"},
    FieldLabel{Field::HisCallsign, "His Callsign"},
    FieldLabel{Field::HisPassword, "His Password"},
    FieldLabel{Field::Instruction, "Instruction"},
    FieldLabel{Field::Message, "Massage"},
};

}  // namespace

const LanguageData& EnglishLanguage() {
  static const LanguageData data{
      .language = "en",
      .values = {.workModes = {"Disable", "CH1 TX/RX", "CH2 TX/RX", "CH1or2 TX/RX", "CH1TX CH2RX"},
                 .server1 = "rotate.aprs2.net:14580",
                 .server2 = ""},
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
      .refuseTooManyBytes =
          "Nothing was sent: \"%1\" takes at most %2 bytes on the line, it takes %3 (a Chinese "
          "character takes 2).",
      .refuseForm = "Nothing was written: \"%1\" must be %2, not \"%3\".",
      .forms = {"", "digits 0-9 only",
                "DDMM.mm followed by N or S, degrees 0-90 and minutes below 60, as in 2300.00N",
                "DDDMM.mm followed by E or W, degrees 0-180 and minutes below 60, as in 11300.00E",
                "a frequency in MHz of the form ddd.ddd, as in 144.640"},
      .frequencyWarning =
          "\"%1\" is %2 MHz, outside 136.000-174.000 MHz and 400.000-480.000 MHz. It is written "
          "as given: check that the device's radio covers it.",
      .noTextCodec =
          "This system cannot encode text for the device (no GB18030 codec in Qt): nothing that "
          "carries text can be sent. Install the ICU libraries that Qt was built with.",
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
      .portClearFailed = "Nothing was sent to %1 (%2): emptying the port's buffer failed: %3",
      .portOutputFull =
          "Nothing was sent to %1 (%2): %3 bytes do not fit in the 512-byte output "
          "buffer.",
      .portNotDrained =
          "%1 (%2): %3 bytes were still waiting to be sent when the time ran out; the device may "
          "not have received all of them.",
      .statusNoPort = "Pick a COM port, then press Read.",
      .statusOpen = "%1 is open (%2): press Read.",
      .statusWaiting = "%1: waiting for the device's answer, %2 of %3 bytes",
      .statusNoAnswer = "No answer on %1 yet: wrong port, device off, or cable?",
      .statusNoAnswerDetail =
          "The device on %1 (%2) has not answered for %3 s. Likely causes: the wrong port (the "
          "port box's tooltip shows which device each COM number opens), the device is switched "
          "off, or the cable is loose. The answer is still awaited.",
      .statusOutcome = "%1: %2",
      .statusMessageSent = "%1: message sent; the device does not answer it.",
      .helpDescription =
          "Reads, edits and writes the configuration of a QX series APRS terminal over a serial "
          "port.",
      .helpDemo = "Try the program without hardware: a simulated device answers on COM1.",
      .demoStarted =
          "Demo: a simulated device answers on COM1 (%1). Pick COM1 in the port box, then press "
          "Read.",
      .demoNotFound =
          "The demo needs the device simulator vorlan_device_sim, which is neither beside this "
          "program (%1) nor in PATH.",
      .demoFailed = "The demo cannot start: %1",
      .config =
          {
              .menuFile = "&File",
              .menuOpen = "Open configuration...",
              .menuSaveAs = "Save configuration as...",
              .menuOpenBackups = "Open backups folder",
              .menuExit = "Exit",
              .menuHelp = "&Help",
              .menuPortMapping = "Port mapping",
              .menuAbout = "About vorlan_setup",
              .fileFilter = "Configuration (*.json)",
              .openTitle = "Open configuration",
              .saveTitle = "Save configuration as",
              .opened =
                  "%1: %2 of 44 fields set. Nothing was sent: press 'Write' to write them to the "
                  "device.",
              .unknownKeys = " Unknown keys, ignored: %1.",
              .notOpened = "%1 was not opened; the window is unchanged.",
              .cannotRead = "It cannot be read: %1",
              .notJson = "It is not JSON: %1 (at byte %2).",
              .notConfiguration = "It is not a vorlan_setup configuration: its \"format\" is not "
                                  "\"vorlan_setup configuration\".",
              .newerVersion =
                  "It was saved by a newer program (format version %1; this program reads up to "
                  "version %2).",
              .valueName = "\"%1\" (%2)",
              .wrongType = "%1 must be %2.",
              .valueTypes = {"an object {...}", "a text in quotes", "a whole number, 1 or more",
                             "true or false",
                             "a work-mode code, a whole number 0 to 4, or the device's own code "
                             "as a text of one byte",
                             "a text in quotes, or {\"text\": ..., \"hex\": ...}",
                             "true or false, or the device's own code as a text of one byte"},
              .badHex = "%1: \"%2\" is not hex, two digits 0-9 or a-f for each byte.",
              .notText = "%1: character %2 is half of a surrogate pair, no character; bytes that "
                         "are not text belong in \"hex\".",
              .tooLong = "%1 takes %2 bytes on the line; its field takes at most %3.",
              .notRegularFile = "It is not a regular file, but a device, a pipe or a folder.",
              .tooBig = "It has %1 bytes; a configuration file has at most %2.",
              .duplicateKey = "The key %1 stands twice: give each value once.",
              .noWorkModeCode = "%1 is %2, which is no work-mode code (0 to 4).",
              .writeRefusal = "'Write' would refuse it:",
              .notSaved = "%1 was not saved: %2",
              .workModeNotSaved =
                  "Nothing was saved: \"%1\" must be one of its list entries, not \"%2\" (a "
                  "file keeps the work mode as the device's code).",
              .backupNotSaved = "The backup of this read was not saved (%1): %2",
              .backupNotRemoved = "An old backup could not be removed (%1): %2",
              .backupsFolderNotShown = "The backups folder cannot be shown: %1",
              .portMapping = "What COM1 to COM30 open on this machine:",
              .noPortMapping =
                  "No serial port is present. Plug the device in, or set the environment variable "
                  "VORLAN_COM<n> to the device's path.",
              .aboutProgram =
                  "vorlan_setup %1\nThe setup tool for QX series APRS terminals.\nLicence: "
                  "GPL-3.0-or-later",
          },
  };
  return data;
}

}  // namespace vorlan
