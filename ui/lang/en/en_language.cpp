#include "ui/lang/en/en_language.h"
#include "ui/lang/en/en_layout.h"

#include "check/en/english_findings.h"
#include "link/en/english_port_failures.h"

#include <array>

namespace vorlan {
namespace {}  // namespace

const LanguageData& EnglishLanguage() {
  static const LanguageData data{
      .language = "en",
      .locale = "en_US",
      .workModes = {"Disable", "CH1 TX/RX", "CH2 TX/RX", "CH1or2 TX/RX", "CH1TX CH2RX"},
      .servers = kRotateServers,
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
      .replyOfAnotherKind =
          "The device on %1 answered with a reply of another kind (\"%2\") than the request "
          "awaits: it may be busy, or another program may be talking to it. Press the button "
          "again.",
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
      .layout = &ui::EnglishLayout(),
      .portFailures = EnglishPortFailureTexts(),
      .portNotOpen =
          "No COM port is open: the port box shows \"%1\", but a port opens only when you pick "
          "it from the box's list. Pick the tracker's port (\"%1\" again if that is it), or let "
          "Port > Find the tracker find it.",
      .usbSerial = "USB-serial",
      .statusNoPort = "%1 is not open yet: pick it (again) from the list.",
      .statusNoPortDetail =
          "No port is open. The port box shows %1, but a port opens only when you pick its entry "
          "from the box's list, %1 too. Port > Find the tracker finds the tracker's port.",
      .statusOpen = "%1 is open (%2): press Read.",
      .statusWaiting = "%1: waiting for the device's answer, %2 of %3 bytes",
      .statusNoAnswer = "No answer on %1 yet: wrong port, device off, or cable?",
      .statusNoAnswerDetail =
          "The device on %1 (%2) has not answered for %3 s. Likely causes: the wrong port (Port > "
          "Find the tracker finds the right one; the port box's tooltip shows which device each "
          "COM number opens), the device is switched off, or the cable is loose. The answer is "
          "still awaited.",
      .statusOutcome = "%1: %2",
      .statusMessageSent = "%1: message sent; the device does not answer it.",
      .statusFactoryReset = "The window holds the factory values; nothing was sent.",
      .statusFactoryResetDetail =
          "The window holds the factory values now. Nothing was sent to the device: press Write "
          "to write them to it.",
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
              .noBackupFolder =
                  "No backup of this read can be made: there is no home folder (HOME is unset "
                  "or not an absolute path, and so is XDG_DATA_HOME).",
              .foreignFolder =
                  "The backup of this read was not saved: %1 is a folder of another user or a "
                  "link to one, and is left as it is.",
              .backupsFolderNotShown = "The backups folder cannot be shown: %1",
              .portMapping = "What COM1 to COM30 open on this machine:",
              .noPortMapping =
                  "No serial port is present. Plug the device in, or set the environment variable "
                  "VORLAN_COM<n> to the device's path.",
              .aboutProgram =
                  "vorlan_setup %1\nThe setup tool for QX series APRS terminals.\nLicence: "
                  "GPL-3.0-or-later",
          },
      .finder =
          {
              .menuPort = "&Port",
              .menuFindTracker = "Find the tracker...",
              .title = "Find the tracker",
              .intro = "Which port is the tracker on? Connect it, switch it on, and find out in "
                       "one of two ways.",
              .askWay = "Ask: the program sends the About request to each USB-serial port that "
                        "no program has open (and to each port set with VORLAN_COM<n>), and waits "
                        "up to %1 s for the tracker's answer.",
              .askButton = "Ask the ports",
              .plugWay = "Plug in, which sends nothing: unplug the tracker's cable, press OK, then "
                         "plug it in again.",
              .asking = "Asking %1 ...",
              .plugNow = "Now plug the tracker's cable in again. Waiting up to %1 s for a new "
                         "port ...",
              .foundAnswering = "The tracker answered on %1: \"%2\".\n%3 is open now: press "
                                "Read.",
              .foundPlugged = "The port that appeared: %1.\n%2 is open now: press Read.",
              .noneAnswered = "No port answered as the tracker does. Asked:",
              .severalAnswered =
                  "Several ports answered as the tracker does; pick the right one in the port "
                  "box. Asked:",
              .nothingToAsk =
                  "There is no USB-serial port to ask. Plug the tracker in and switch it on (a "
                  "cable that only charges makes no port), or set VORLAN_COM<n> to its device "
                  "path.",
              .noneAppeared =
                  "No new port appeared within %1 s. Check the cable (some only charge) and its "
                  "plug; \"sudo dmesg | tail\" shows whether the system saw the adapter.",
              .resultAnswered = "%1: answered \"%2\"",
              .resultSilent = "%1: no answer within %2 s",
              .resultOther = "%1: answered, but not as the tracker does (%2)",
              .resultShort = "%1: answered only %2 of %3 bytes within %4 s (\"%5\")",
              .resultHeld = "%1: open in %2, not asked",
              .resultNotOpened = "%1: %2",
              .othersUnseen = " (the programs of other users cannot be seen: one of them may "
                              "have the port open)",
          },
      .check =
          {
              .menuTools = "&Tools",
              .menuCheck = "Check configuration",
              .menuPasscode = "APRS-IS passcode...",
              .findings = EnglishFindingTexts(),
              .severities = {"warning", "note"},
              .summaryOne = "1 warning: %1",
              .summaryMany = "%1 warnings: %2",
              .fieldSeparator = ", ",
              .noWarnings = "No warnings.",
              .noFindings = "No findings: nothing here keeps the tracker off APRS.",
              .dialogTitle = "Check configuration",
              .columnField = "Field",
              .columnSeverity = "Severity",
              .columnFinding = "Finding",
              .close = "Close",
              .passcodeOffer = "The APRS-IS passcode of %1 is %2. Put it into \"Login password\"?",
              .passcodeHeld = "The APRS-IS passcode of %1 is %2; \"Login password\" holds it.",
              .passcodeNoCallsign =
                  "\"%1\" in \"Callsign\" does not begin with 1 to 6 letters and digits before "
                  "its SSID: there is no APRS-IS passcode for it.",
              .passcodePutIn = "Put it in",
              .passcodeCancel = "Cancel",
          },
      .provision =
          {
              .menuProvision = "Set up several trackers...",
              .title = "Set up several trackers",
              .templateGroup = "Template: what every tracker gets",
              .templateWindow = "What the window shows",
              .templateFile = "A configuration file:",
              .templateSource = "the window",
              .tableGroup = "Table of trackers (CSV, one row per tracker)",
              .choose = "Choose...",
              .tableFilter = "Table (*.csv)",
              .tableOpenTitle = "Open the table of trackers",
              .reportFilter = "Report (*.csv)",
              .reportSaveTitle = "Save the report",
              .portsGroup = "Ports",
              .portsListed = "These ports, all at once:",
              .portsPlugged = "One after the other as they are plugged in",
              .noPortsFound = "No USB-serial port is present.",
              .columnRow = "Row",
              .columnPort = "Port",
              .columnCallsign = "Callsign",
              .columnState = "State",
              .start = "Start",
              .stop = "Stop",
              .saveReport = "Save report",
              .close = "Close",
              .noTemplateFile = "Choose the template's configuration file.",
              .noTable = "Choose the table of trackers.",
              .noPortTicked = "Tick the ports to set up, or choose to plug the trackers in one "
                              "after the other.",
              .tableRefused = "%1 was not used; nothing was sent:",
              .rowField = "Row %1 (line %2): ",
              .csvNotUtf8 = "Line %1 is not UTF-8 text.",
              .csvNoHeader = "It has no header line of field names.",
              .csvUnclosedQuote = "The quoted field that begins on line %1 is never closed.",
              .csvTextAfterQuote = "Line %1: a quoted field is followed by more than a comma.",
              .csvQuoteInField = "Line %1: a double quote inside a field that is not quoted.",
              .csvWrongFieldCount = "Line %1 has %2 fields; the header has %3.",
              .noRows = "It has a header and no tracker below it.",
              .unknownColumn = "The column \"%1\" is no field's name, nor \"port\".",
              .columnTwice = "The column \"%1\" stands twice.",
              .callsignTwice = "Row %1 (line %2) has the callsign of row %3: %4.",
              .portTwice = "Row %1 (line %2) names the port of row %3: %4.",
              .unknownPort = "Row %1 (line %2) names the port \"%3\", which is no COM port and "
                             "no device path.",
              .moreRowsThanPorts = "%1 rows, but only %2 ports.",
              .unknownRow = "There is no row %1.",
              .states = {"waiting", "reading", "writing", "checking", "done", "already set up",
                         "skipped for a warning", "failed"},
              .failedWhy = "%1: %2",
              .noAnswer = "no answer within %1 s",
              .otherKind = "a reply of another kind (\"%1\")",
              .garbled = "bytes that are no reply (%1)",
              .refused = "the device did not take the write",
              .mismatch = "did not come back as written: %1",
              .fieldSeparator = ", ",
              .stopped = "stopped",
              .notPluggedIn = "no tracker was plugged in for it",
              .plugNext = "Plug in the next tracker (rows left: %1).",
              .assigned = "Row %1 went to %2.",
              .finished = "%1 of %2 trackers set up.",
              .reportColumns = {"row", "port", "device", "USB serial", "callsign before",
                                "callsign after", "outcome", "reason", "backup file"},
              .reportNotSaved = "%1 was not saved: %2",
          },
  };
  return data;
}

}  // namespace vorlan
