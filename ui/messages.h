#pragma once
// The texts the user reads for the core's outcomes, in the build's language.

#include <QString>
#include <optional>

#include "link/link_failure.h"
#include "link/refusal.h"
#include "link/reply.h"
#include "ui/language_data.h"

namespace vorlan {

// The label of a field in this language; the field name itself when there is none.
QString FieldLabelText(const LanguageData& lang, Field field);

QString RefusalText(const Refusal& refusal, const LanguageData& lang);
// Not written: the work mode is a text typed by hand that matches no list entry.
QString UnlistedWorkModeText(const QString& text, const LanguageData& lang);
// A frequency outside the radio's bands: written as given, with a word of warning.
QString FrequencyWarningText(Field field, const QString& frequency, const LanguageData& lang);
QString FailureText(const LinkFailure& failure, const LanguageData& lang);

// A text that names the port and then its device in brackets, "COM5 (/dev/ttyUSB0)", names it
// once where the device is the port itself (Windows): "COM5", not "COM5 (COM5)".
QString NamePortOnce(const QString& text, const QString& port, const QString& path);

// The message for a reply. `callsign` is Callsign as the window shows it once the reply is applied,
// `hisCallsign` the send field HisCallsign.
QString ReplyText(const Reply& reply, const QString& callsign, const QString& hisCallsign,
                  const LanguageData& lang);

}  // namespace vorlan
