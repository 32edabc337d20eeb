#pragma once
// The faces the window is designed for are Windows faces. Where they are missing, Qt looks them up
// under the metric-compatible or same-style faces that Debian ships.

#include <QFont>

#include "ui/window_layout.h"

namespace vorlan::ui {

// Registers the stand-in faces with Qt; call once after the application object exists.
void InstallFontSubstitutes();

QFont MakeFont(const FontSpec& spec);

}  // namespace vorlan::ui
