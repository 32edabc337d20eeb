#pragma once
// What the port finder found, in the build's words: the port to open, and the one message that
// says what was tried and what each port did.

#include <QList>
#include <QString>
#include <optional>

#include "link/discovery/port_names.h"
#include "link/finder/port_probe.h"
#include "ui/language_data.h"

namespace vorlan::ui {

struct FinderOutcome {
  std::optional<MappedPort> found;  // the tracker's port, to open as a pick would
  QString message;                  // said once (for a found port: once it is open)
};

// "COM1 -> /dev/ttyUSB0, CH340 USB-serial (1a86:7523)" in the build's words.
QString PortLineText(const MappedPort& port, const LanguageData& lang);

// Asking: the one port that answered as the tracker does, else every port and what it did.
FinderOutcome AskedOutcome(const QList<ProbeResult>& results, int waitMs, const LanguageData& lang);

// Plugging in: the port that appeared, or that none did within the wait.
FinderOutcome PluggedOutcome(const std::optional<MappedPort>& appeared, int waitMs,
                             const LanguageData& lang);

}  // namespace vorlan::ui
