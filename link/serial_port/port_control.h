#pragma once
// The port box and the EXIT button.

#include <QString>

#include "link/serial_link.h"
#include "params/window_view.h"

namespace vorlan {

// Combo1_Click: the entry "COM1" to "COM30" (exact, case-sensitive) selects its port and opens it.
// A port that is open on another number is closed first; the open port picked again stays open.
// A failing step shows the link's message and ends the handler; a text that is no list entry
// selects nothing.
void SelectPort(SerialLink& link, WindowView& view, const QString& text);

// Command4_Click: closes the port (nothing happens to a port never opened); the window then quits.
void ExitProgram(SerialLink& link);

}  // namespace vorlan
