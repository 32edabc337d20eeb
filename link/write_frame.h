#pragma once
// The configuration write: every parameter in one frame, "$0" head "&" tail "#".

#include <QByteArray>
#include <QString>
#include <optional>

#include "link/serial_link.h"
#include "params/language_data.h"
#include "params/parameter_set.h"
#include "params/window_view.h"

namespace vorlan {

// The one-digit code of a work-mode text ("0" to "4"), or an empty string when the text is not
// exactly one of the build's list texts.
QString WorkModeCode(const QString& workMode, const LanguageData& lang);

// The frame as it goes on the line, texts encoded as device text. Builds whatever it is given;
// CheckWriteFrame says whether the device would read it as meant.
QByteArray BuildWriteFrame(const ParameterSet& params, const LanguageData& lang);

// Why the device would misread the frame of these values, as a message for the user naming the
// field and what it needs; nullopt when the frame is sound.
std::optional<QString> CheckWriteFrame(const ParameterSet& params, const LanguageData& lang);

// All 44 parameters as the window shows them now.
ParameterSet ReadParameters(const WindowView& view);

// The Write button: read the window, refuse (message, nothing sent or cleared) or clear both
// buffers, send the frame and arm the threshold for the device's answer.
void WriteConfiguration(SerialLink& link, WindowView& view, const LanguageData& lang);

}  // namespace vorlan
