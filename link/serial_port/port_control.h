#pragma once
// The port box and the EXIT button.

#include <QString>
#include <optional>

#include "link/serial_link.h"

namespace vorlan {

// Combo1_Click: the entry "COM1" to "COM30" (exact, case-sensitive) selects its port and opens it.
// A port that is open on another number is closed first; the open port picked again stays open.
// A text that is no list entry selects nothing. Says what failed, if anything did.
std::optional<LinkFailure> SelectPort(SerialLink& link, const QString& text);

// Command4_Click: closes the port (nothing happens to a port never opened); the window then quits.
void ExitProgram(SerialLink& link);

}  // namespace vorlan
