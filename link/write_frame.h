#pragma once
// The configuration write: every parameter in one frame, "$0" head "&" tail "#".

#include <QByteArray>
#include <QString>
#include <optional>

#include "link/refusal.h"
#include "link/request.h"
#include "params/parameter_set.h"
#include "params/presets.h"

namespace vorlan {

// The one-digit code of a work-mode text ("0" to "4"), or an empty string when the text is not
// exactly one of the build's list texts.
QString WorkModeCode(const QString& workMode, const BuildValues& build);

// The bytes a parameter takes in the frame: a text as device text, a flag as its character ("1",
// "2" for Server2Enable, or "0"), the work mode as its code (nothing for a text without one), and a
// kept code as the device sent it.
QByteArray FieldBytes(const ParameterSet& params, Field field, const BuildValues& build);

// The frame as it goes on the line, texts encoded as device text. Builds whatever it is given;
// CheckWriteFrame says whether the device would read it as meant.
QByteArray BuildWriteFrame(const ParameterSet& params, const BuildValues& build);

// The first field, in frame order, that the device would misread; nullopt when the frame is sound.
// A kept code passes unless it is a frame delimiter.
std::optional<Refusal> CheckWriteFrame(const ParameterSet& params, const BuildValues& build);

// The write request (arms 5), or why it is refused.
OrRefusal<Request> WriteRequest(const ParameterSet& params, const BuildValues& build);

}  // namespace vorlan
