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
// Arms 5. Refused when a field that the frame separates with "@" carries that byte.
OrRefusal<Request> InstructionRequest(const SendFields& send, const QString& callsign);
// Clears and arms nothing. Refused when HisCallsign carries the "*" that ends it.
OrRefusal<Request> MessageRequest(const SendFields& send);

}  // namespace vorlan
