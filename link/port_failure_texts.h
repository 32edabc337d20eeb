#pragma once
// A language's words for what went wrong on the serial port, and the choice among them that every
// front end makes the same way: which text a failure takes, which remedies follow it.

#include <QString>
#include <string_view>

#include "link/link_failure.h"

namespace vorlan {

// UTF-8. %1 is the port as a person names it (PortWhere), except in `unmapped`.
struct PortFailureTexts {
  std::string_view unmapped;           // %1 the port number's name ("COM3"): no device for it
  std::string_view missing;            // the device path does not exist
  std::string_view busy;               // another program holds the port, unseen
  std::string_view busyBy;             // %2 the programs that have it open
  std::string_view staleLock;          // %2 a lock file left by %3, a process that has ended
  std::string_view holderName;         // %1 a program's name, %2 its process number
  std::string_view busyModemManager;   // appended when ModemManager holds it, or may (ttyACM)
  std::string_view takenByBrltty;      // appended when brltty holds it or runs (CH340 cables)
  std::string_view noPermission;       // the user may not open it (dialout group)
  std::string_view noPermissionGroup;  // %2 the device's group, to join
  std::string_view noPermissionLogin;  // %2 the group the user joined since this login
  std::string_view openFailed;         // any other open failure, %2 the system's reason
  std::string_view clearFailed;        // %2 the system's reason
  std::string_view writeFailed;        // %2 the system's reason
  std::string_view outputFull;         // %2 bytes that do not fit the output buffer
  std::string_view hungUp;             // the device went away while the port was open
  std::string_view notDrained;         // %2 bytes still queued when the time ran out
};

// The port as a person names it: "COM3 (/dev/ttyUSB0)"; the port alone where there is no path or
// the path is the port itself ("COM3" on Windows, or a path the user gave).
QString PortWhere(const QString& port, const QString& path);

// "minicom (process 1234), ModemManager (process 812)".
QString HolderList(const QList<PortHolder>& holders, const PortFailureTexts& texts);

// The failure in the words of `texts`; `where` names the port, as PortWhere(...) does. NotOpen is
// not among them: how a port gets opened is the front end's to say, and it words that itself.
QString PortFailureText(const LinkFailure& failure, const QString& where,
                        const PortFailureTexts& texts);

}  // namespace vorlan
