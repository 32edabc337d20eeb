#pragma once
// The configuration write: every parameter in one frame, "$0" head "&" tail "#".

#include <QByteArray>
#include <QString>
#include <optional>

#include "link/refusal.h"
#include "link/request.h"
#include "params/parameter_set.h"

namespace vorlan {

// The bytes a parameter takes in the frame: a text as device text, a flag as its character ("1",
// "2" for Server2Enable, or "0"), the work mode as its code, and a kept code as the device sent it.
QByteArray FieldBytes(const ParameterSet& params, Field field);

// The frame as it goes on the line, texts encoded as device text. Builds whatever it is given;
// CheckWriteFrame says whether the device would read it as meant.
QByteArray BuildWriteFrame(const ParameterSet& params);

// The first field, in frame order, that the device would misread; nullopt when the frame is sound.
// A device code passes unless it is a frame delimiter.
std::optional<Refusal> CheckWriteFrame(const ParameterSet& params);

// The same without the frame delimiters: only the byte counts (a head field of its exact width, a
// tail field within its width) and the text codec. A value the device sent always meets them, even
// one whose bytes hold a delimiter, so a file of it opens; only sending it is refused.
std::optional<Refusal> CheckFrameWidths(const ParameterSet& params);

// The write request (arms 5), or why it is refused.
OrRefusal<Request> WriteRequest(const ParameterSet& params);

}  // namespace vorlan
