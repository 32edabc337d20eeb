#pragma once
// Who has a serial device open, and why this user may not open it, as far as the system tells.

#include <QList>
#include <QString>
#include <QStringList>

#include "link/link_failure.h"

namespace vorlan {

// The programs that have the device open (on Linux: every process whose open files this user may
// read, all of them for root; elsewhere none). The process that holds a pseudo-terminal's master
// side is the line's other end, not a user of the port, and is left out. `allSeen`, when given,
// tells whether the open files of every process could be read (not so for an ordinary user:
// other users' processes are hidden from it).
QList<PortHolder> ProgramsHolding(const QString& devicePath,
                                  const QString& procRoot = QStringLiteral("/proc"),
                                  bool* allSeen = nullptr);

// The running programs whose name is one of `names`.
QList<PortHolder> RunningPrograms(const QStringList& names,
                                  const QString& procRoot = QStringLiteral("/proc"));

// The services known to take serial ports from other programs.
inline const QStringList kPortTakers = {QStringLiteral("ModemManager"), QStringLiteral("brltty")};

struct DeviceGroup {
  QString name;                 // empty: joining a group would not help
  bool newLoginNeeded = false;  // the user is in it, but this login began before that
};

// The group that may read and write the device, when that is a group a user joins (not root).
DeviceGroup DeviceGroupOf(const QString& devicePath);

// The programs that hold the device: those that have it open, those that hold an advisory lock on
// it (which every user may see, on Linux), and those whose lock file on it (under any of its
// names) is live.
QList<PortHolder> PortHolders(const QString& devicePath,
                              const QString& procRoot = QStringLiteral("/proc"));

// Fills in what the system tells about a failure to open: the holders and running takers of a
// busy port, the takers when the port is missing, the group of a forbidden one.
void Diagnose(LinkFailure& failure);

// A busy port nobody is seen holding, refused by a lock file whose process has ended (one this
// user may not remove, or it would have been taken over), becomes StaleLock naming that file.
void NameStaleLock(LinkFailure& failure);

}  // namespace vorlan
