#pragma once
// vorlan_cli's English wording of the core's values: file problems, port failures, refusals and
// replies.

#include <QString>

#include "config/config_problem.h"
#include "link/discovery/port_names.h"
#include "link/finder/port_probe.h"
#include "link/link_failure.h"
#include "link/port_failure_texts.h"
#include "link/refusal.h"
#include "link/reply.h"

namespace vorlan::cli {

// "club.json: parameters.Callsign: the text has 14 characters, its entry takes at most 12".
QString ProblemText(const ConfigProblem& problem);

// `where` is PortWhere(...) (link/port_failure_texts.h), "COM3 (/dev/ttyUSB0)", or the path alone
// when the user gave one.
QString FailureText(const LinkFailure& failure, const QString& where);

// "COM1 -> /dev/ttyUSB0, CH340 USB-serial (1a86:7523)".
QString PortLineText(const MappedPort& port);

// What one port did when it was asked: "COM2 -> /dev/pts/4 (VORLAN_COM2): no answer within 1.5 s".
QString ProbeResultText(const ProbeResult& result, int waitMs);

// Why the asking found no single device: none answered, several did, or there was none to ask.
// Followed by one line for each port asked.
QString NoSingleDeviceText(const QList<ProbeResult>& results, int waitMs);

// Why the tool will not send a value: "GroupCall must take exactly 6 bytes on the line, it takes
// 2".
QString RefusalText(const Refusal& refusal);

// What the device's answers to an instruction say, as the English window words them: "NOCALL Radio
// write correct!!!", "Callsign:NOCALL-9 Radio Read correct!!!".
inline const QString kRadioWriteCorrect = QStringLiteral(" Radio write correct!!!");
inline const QString kCallsignPrefix = QStringLiteral("Callsign:");
inline const QString kRadioReadCorrect = QStringLiteral(" Radio Read correct!!!");

// The outcome as the device said it: "\"$4\" (write done)".
QString OutcomeText(Reply::Outcome outcome);

}  // namespace vorlan::cli
