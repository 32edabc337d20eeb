#pragma once
// What one language build brings: the device model's build values and every text the user reads.
// Each program links exactly one instance (ui/lang/en or ui/lang/zh). All strings are UTF-8.

#include <QString>
#include <array>
#include <span>
#include <string_view>

#include "check/finding_texts.h"
#include "link/port_failure_texts.h"
#include "params/field.h"
#include "params/presets.h"
#include "ui/window_layout.h"

namespace vorlan {

// The menu bar, configuration files and backups. Where a text names a field, %1 is the field's
// label and %2 its key in the file ("parameters.Callsign").
struct ConfigTexts {
  std::string_view menuFile, menuOpen, menuSaveAs, menuOpenBackups, menuExit;
  std::string_view menuHelp, menuPortMapping, menuAbout;
  std::string_view fileFilter;  // the file dialogs' filter, "Configuration (*.json)"
  std::string_view openTitle;   // the dialogs' captions
  std::string_view saveTitle;

  std::string_view opened;       // %1 the file, %2 how many fields it set; nothing was sent
  std::string_view unknownKeys;  // appended to `opened`: %1 the keys, ignored

  // Opening refused: the first line, then one of the texts below.
  std::string_view notOpened;         // %1 the file
  std::string_view cannotRead;        // %1 the system's reason
  std::string_view notJson;           // %1 the parser's reason, %2 the byte
  std::string_view notConfiguration;  // another format, or none
  std::string_view newerVersion;      // %1 the file's version, %2 the newest this program reads
  std::string_view valueName;         // %1 the field's label, %2 its key ("parameters.Callsign")
  std::string_view wrongType;         // %2 what the value must be (one of valueTypes)
  std::array<std::string_view, 7> valueTypes;  // by ValueType: object, string, version, flag,
                                               // work-mode code, text, enable code
  std::string_view badHex;                     // %3 the "hex" value
  std::string_view notText;                    // %3 the place of the lone surrogate (from 1)
  std::string_view tooLong;                    // %3 bytes it takes, %4 the field's limit
  std::string_view notRegularFile;             // a device, a FIFO, a folder
  std::string_view tooBig;                     // %1 bytes the file has, %2 the limit
  std::string_view duplicateKey;               // %1 the key that stands twice
  std::string_view noWorkModeCode;             // %3 the file's number
  std::string_view writeRefusal;               // followed by the refusal Write would show

  std::string_view notSaved;          // %1 the file, %2 the system's reason
  std::string_view workModeNotSaved;  // %1 the label, %2 the work-mode text without a code

  std::string_view backupNotSaved;         // %1 the file or folder, %2 the system's reason
  std::string_view backupNotRemoved;       // %1 the old backup, %2 the system's reason
  std::string_view noBackupFolder;         // no home folder: no backup can be made
  std::string_view foreignFolder;          // %1 the backups folder, another user's or a link
  std::string_view backupsFolderNotShown;  // %1 the folder

  std::string_view portMapping;    // followed by one line per COM number
  std::string_view noPortMapping;  // no serial port present
  std::string_view aboutProgram;   // %1 the program's version
};

// Finding the tracker's port: by asking each port (the About request), or by plugging it in.
struct FinderTexts {
  std::string_view menuPort, menuFindTracker;  // the menu and its entry
  std::string_view title;                      // the dialog's caption
  std::string_view intro;                      // what the dialog is for
  std::string_view askWay;                     // %1 the seconds each port gets to answer
  std::string_view askButton;                  // starts asking
  std::string_view plugWay;                    // unplug, press OK, plug in again
  std::string_view asking;                     // %1 the port line being asked
  std::string_view plugNow;                    // %1 the seconds it waits for a new port

  // The outcome, in one message. %1 is a port line.
  std::string_view foundAnswering;   // %2 its about text, %3 its COM entry, now open
  std::string_view foundPlugged;     // %2 its COM entry, now open
  std::string_view noneAnswered;     // followed by one line per port asked
  std::string_view severalAnswered;  // followed by one line per port asked
  std::string_view nothingToAsk;     // no USB-serial port and no pinned one
  std::string_view noneAppeared;     // %1 the seconds waited

  // One line per port asked; %1 is its port line.
  std::string_view resultAnswered;   // %2 its about text
  std::string_view resultSilent;     // %2 the seconds waited
  std::string_view resultOther;      // %2 what came, in hex
  std::string_view resultShort;      // %2 of %3 bytes of the answer came in %4 s: %5 its text
  std::string_view resultHeld;       // %2 the programs that have it open
  std::string_view resultNotOpened;  // %2 why, as the failure message says it
  std::string_view othersUnseen;     // after the line of a port asked: other users' programs
                                     // could not be seen
};

// The configuration check and the APRS-IS passcode. A finding's text takes the finding's values as
// %1, %2, ... in the order check/finding.h gives for its id; the text does not name the field.
struct CheckTexts {
  std::string_view menuTools, menuCheck, menuPasscode;
  FindingTexts findings;
  std::array<std::string_view, 2> severities;  // by Severity: warning, note

  // The status line and the dialog's headline: the warnings and the fields they are in.
  std::string_view summaryOne;      // %1 the field
  std::string_view summaryMany;     // %1 how many, %2 the fields
  std::string_view fieldSeparator;  // between the fields
  std::string_view noWarnings;      // notes only
  std::string_view noFindings;

  // The dialog that lists the findings.
  std::string_view dialogTitle;
  std::string_view columnField, columnSeverity, columnFinding;
  std::string_view close;

  // The passcode on request. %1 the callsign's base, %2 its passcode.
  std::string_view passcodeOffer;       // asks whether to put it into "Login password"
  std::string_view passcodeHeld;        // "Login password" holds it already
  std::string_view passcodeNoCallsign;  // %1 the callsign, which has no base to compute it of
  std::string_view passcodePutIn, passcodeCancel;  // the offer's buttons
};

// Tools > Set up several trackers: one template, a table of per-tracker values, many ports.
struct ProvisionTexts {
  std::string_view menuProvision;  // the Tools menu's entry
  std::string_view title;          // the dialog's caption
  std::string_view templateGroup, templateWindow, templateFile;
  std::string_view templateSource;  // names "what the window shows" in a problem
  std::string_view tableGroup;
  std::string_view choose;                         // the buttons that open a file dialog
  std::string_view tableFilter, tableOpenTitle;    // the table's file dialog
  std::string_view reportFilter, reportSaveTitle;  // the report's file dialog
  std::string_view portsGroup, portsListed, portsPlugged;
  std::string_view noPortsFound;  // the list is empty
  std::string_view columnRow, columnPort, columnCallsign, columnState;
  std::string_view start, stop, saveReport, close;

  // What the run needs before it starts.
  std::string_view noTemplateFile, noTable, noPortTicked;

  // A table that was refused: the headline (%1 the file), then one line per problem.
  std::string_view tableRefused;
  std::string_view rowField;  // %1 the row, %2 its line: before a refused value's text
  std::string_view csvNotUtf8, csvNoHeader;                               // %1 the line
  std::string_view csvUnclosedQuote, csvTextAfterQuote, csvQuoteInField;  // %1 the line
  std::string_view csvWrongFieldCount;  // %1 the line, %2 fields found, %3 the header's
  std::string_view noRows;
  std::string_view unknownColumn, columnTwice;  // %1 the column
  std::string_view callsignTwice;      // %1 the row, %2 its line, %3 the other row, %4 the callsign
  std::string_view portTwice;          // %1 the row, %2 its line, %3 the other row, %4 the port
  std::string_view unknownPort;        // %1 the row, %2 its line, %3 what it names
  std::string_view moreRowsThanPorts;  // %1 rows, %2 ports
  std::string_view unknownRow;         // %1 the number

  // A tracker's state, by JobState: waiting, reading, writing, checking, done, already set up,
  // skipped for a warning, failed.
  std::array<std::string_view, 8> states;
  std::string_view failedWhy;  // %1 the state "failed", %2 why

  // Why a tracker failed, by JobFailure.
  std::string_view noAnswer;   // %1 the seconds waited
  std::string_view otherKind;  // %1 the reply's first bytes
  std::string_view garbled;    // %1 what came, in hex
  std::string_view refused;    // the device did not take the write
  std::string_view mismatch;   // %1 the fields' labels
  std::string_view fieldSeparator;
  std::string_view stopped;
  std::string_view notPluggedIn;  // stopped before a tracker came for the row

  // The line under the table while it runs, and when it ends.
  std::string_view plugNext;  // %1 the rows left
  std::string_view assigned;  // %1 the row, %2 the port
  std::string_view finished;  // %1 rows set up, %2 rows in all

  // The report's columns: row, port, device, USB serial, callsign before, callsign after,
  // outcome, reason, backup file.
  std::array<std::string_view, 9> reportColumns;
  std::string_view reportNotSaved;  // %1 the file, %2 the system's reason
};

struct LanguageData {
  std::string_view language;  // "en" or "zh"
  // Qt's own texts (standard buttons, file dialogs) come in this locale's language, whatever the
  // system's: the build is the language. "en_US" or "zh_CN".
  std::string_view locale;

  // The work-mode box's list: the text of each code "0" to "4", in that order.
  std::array<std::string_view, kWorkModeCount> workModes;
  ServerPresets servers;  // the two server entries at start and after a factory reset

  // Reply messages. The fixed phrases that follow a field's text.
  std::string_view readCorrect;        // kind 1, after Callsign
  std::string_view callsignPrefix;     // kind 2, before Callsign
  std::string_view radioReadCorrect;   // kind 2, after Callsign
  std::string_view radioWriteCorrect;  // kind 3, after HisCallsign
  std::string_view writeCorrect;       // kind 4, after Callsign
  std::string_view writeIncomplete;    // kind 5
  std::string_view readFails;          // any other kind, and a read-back cut short
  std::string_view receptionError;     // lead is not "$"
  // A whole reply of a kind the request does not expect, where its answer was awaited: %1 the port,
  // %2 the reply's first bytes.
  std::string_view replyOfAnotherKind;

  // Refusals of a request the device would misread. %1 is the field's label.
  std::string_view refuseHeadWidth;       // %2 width needed, %3 bytes it has
  std::string_view refuseNoWorkMode;      // %2 the text that has no code
  std::string_view refuseTailTooLong;     // %2 most bytes that fit, %3 bytes it has
  std::string_view refuseCharacter;       // %2 the character that is not allowed
  std::string_view refuseTooManyBytes;    // a send field: %2 most bytes that fit, %3 bytes it has
  std::string_view refuseForm;            // %2 the form (one of `forms`), %3 the value
  std::array<std::string_view, 5> forms;  // by TextForm: free (unused), number, latitude,
                                          // longitude, frequency
  std::string_view frequencyWarning;      // %2 the frequency: outside the bands, written anyway
  std::string_view noTextCodec;           // this system cannot encode texts for the device

  // The build's window: the caption of a field's label names the field in a message.
  const ui::WindowLayout* layout;

  // Serial-port failures, and the remedies that follow some of them.
  PortFailureTexts portFailures;
  std::string_view portNotOpen;  // a request with no port open; %1 the box's entry

  // The port lines of the tooltip, Help > Port mapping and the finder:
  // "COM1 -> /dev/ttyUSB0, CH340 USB-serial (1a86:7523)".
  std::string_view usbSerial;  // after the chip's name

  // The status line. %1 is the port ("COM3"), %2 its device path.
  std::string_view statusNoPort;          // no port is open; %1 the entry the box shows
  std::string_view statusNoPortDetail;    // the same, whole
  std::string_view statusOpen;            // the port is open and idle
  std::string_view statusWaiting;         // %2 bytes received of the %3 awaited
  std::string_view statusNoAnswer;        // the answer is late (short: %1 only)
  std::string_view statusNoAnswerDetail;  // the same, whole; %3 the seconds waited
  std::string_view statusOutcome;         // %2 the last exchange's message
  std::string_view statusMessageSent;     // a message went out, nothing is awaited
  std::string_view statusFactoryReset;    // the window holds the factory values; nothing was sent
  std::string_view statusFactoryResetDetail;

  // The command line and --demo.
  std::string_view helpDescription;  // what the program does, for --help
  std::string_view helpDemo;         // the --demo option
  std::string_view demoStarted;      // %1 the simulator's pty path
  std::string_view demoNotFound;     // %1 this program's folder
  std::string_view demoFailed;       // %1 what went wrong

  ConfigTexts config;
  FinderTexts finder;
  CheckTexts check;
  ProvisionTexts provision;
};

// The title of every message box, the same in both builds.
inline constexpr std::string_view kMessageTitle = "设置程序(简体)";

inline QString Text(std::string_view utf8) {
  return Utf8(utf8);
}

// What a finding says, in this language; each value is put in once, as it stands.
inline QString FindingText(const Finding& finding, const LanguageData& lang) {
  return FindingText(finding, lang.check.findings);
}
inline QString SeverityText(Severity severity, const LanguageData& lang) {
  return Text(lang.check.severities[static_cast<std::size_t>(severity)]);
}

}  // namespace vorlan
