#pragma once
// The faces the window is designed for are Windows faces. Where they are missing, Qt looks them up
// under the metric-compatible or same-style faces that Debian ships.

#include <QFont>
#include <QStringList>

#include "ui/window_layout.h"

namespace vorlan::ui {

// Registers the stand-in faces with Qt; call once after the application object exists.
void InstallFontSubstitutes();

QFont MakeFont(const FontSpec& spec);

// The installed faces that may stand in for a design face, in order of preference; empty for a
// face the window does not use.
QStringList StandInFaces(std::string_view face);

}  // namespace vorlan::ui
