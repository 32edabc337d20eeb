#pragma once
// What went wrong on the serial port, as a value: each front end words it in its own language.

#include <QList>
#include <QString>

namespace vorlan {

// A program that has a serial device open, or may take it.
struct PortHolder {
  QString program;  // "minicom", "ModemManager"
  qint64 pid = 0;

  bool operator==(const PortHolder&) const = default;
};

struct LinkFailure {
  enum class Kind {
    Unmapped,      // no device stands for the port number on this machine
    Missing,       // the device path does not exist
    Busy,          // another program holds the port
    StaleLock,     // a lock file left by a process that has ended keeps the port shut
    NoPermission,  // this user may not open the device
    OpenFailed,    // any other failure to open; `reason` says what
    NotOpen,       // a request with no port open
    ClearFailed,   // emptying a buffer failed; `reason` says why
    WriteFailed,   // handing the bytes to the port failed; `reason` says why
    OutputFull,    // `bytes` do not fit in the room left of the 512-byte output buffer
    HungUp,        // the device went away while the port was open; the port is closed now
    NotDrained,    // `bytes` were still waiting to be sent when the time to send them ran out
  };

  Kind kind;
  QString port;         // "COM3"
  QString path;         // the device it stands for, e.g. "/dev/ttyUSB0"; may be empty
  QString reason = {};  // the system's own words, where it gave any
  int bytes = 0;
  // Busy: the programs that have the device open or hold a lock on it, where the system lets this
  // user see them. StaleLock: the process that left the lock file, which has ended.
  QList<PortHolder> holders = {};
  // Busy, Missing, Unmapped: services that take such ports and are running (ModemManager, brltty).
  QList<PortHolder> takers = {};
  // NoPermission: the group the device belongs to, when joining it gives access; empty otherwise.
  QString group = {};
  // NoPermission: the user has joined `group` since this login began: a new login gives access.
  bool newLoginNeeded = false;
  // StaleLock: the lock file this user may not remove.
  QString lockFile = {};

  bool operator==(const LinkFailure&) const = default;
};

}  // namespace vorlan
