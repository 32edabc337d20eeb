#pragma once
// The requests other than the write: Read, About, Send instruction and Send message.

#include <QByteArray>
#include <QString>

#include "link/refusal.h"
#include "link/request.h"
#include "params/parameter_set.h"

namespace vorlan {

// "**3@" HisCallsign "@" HisPassword "@" Callsign Instruction, texts as device text.
QByteArray BuildInstructionFrame(const QString& hisCallsign, const QString& hisPassword,
                                 const QString& callsign, const QString& instruction);
// "*@" HisCallsign "*" Message.
QByteArray BuildMessageFrame(const QString& hisCallsign, const QString& message);

Request ReadRequest();   // "$2#", arms 412
Request AboutRequest();  // "$3#", arms 102
// Arms 5. Refused when any of its four texts carries a frame mark ("@", "*", "#", "$") or takes
// more bytes on the line than its entry's limit.
OrRefusal<Request> InstructionRequest(const SendFields& send, const QString& callsign);
// Clears and arms nothing. Refused as the instruction is, for HisCallsign and Message.
OrRefusal<Request> MessageRequest(const SendFields& send);

}  // namespace vorlan
