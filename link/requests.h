#pragma once
// The requests other than the write: Read, About, Send instruction and Send message. A failing link
// step is reported through the view with the link's message; nothing after it happens.

#include <QByteArray>
#include <QString>
#include <optional>

#include "link/serial_link.h"
#include "params/language_data.h"
#include "params/window_view.h"

namespace vorlan {

// "**3@" HisCallsign "@" HisPassword "@" Callsign Instruction, texts as device text.
QByteArray BuildInstructionFrame(const QString& hisCallsign, const QString& hisPassword,
                                 const QString& callsign, const QString& instruction);
// "*@" HisCallsign "*" Message.
QByteArray BuildMessageFrame(const QString& hisCallsign, const QString& message);

// A message naming the field when a text holds the frame's own separator; nullopt when sound.
std::optional<QString> CheckInstructionFrame(const QString& hisCallsign,
                                             const QString& hisPassword, const QString& callsign,
                                             const LanguageData& lang);
std::optional<QString> CheckMessageFrame(const QString& hisCallsign, const LanguageData& lang);

void ReadConfiguration(SerialLink& link, WindowView& view);  // "$2#", arms 412
void RequestAbout(SerialLink& link, WindowView& view);       // "$3#", arms 102
void SendInstruction(SerialLink& link, WindowView& view, const LanguageData& lang);  // arms 5
void SendMessage(SerialLink& link, WindowView& view, const LanguageData& lang);  // output only

}  // namespace vorlan
