#pragma once
// vorlan_cli's English wording of the core's values: file problems, port failures, refusals and
// replies.

#include <QString>

#include "config/config_problem.h"
#include "link/link_failure.h"
#include "link/refusal.h"
#include "link/reply.h"

namespace vorlan::cli {

// "club.json: parameters.Callsign: the text has 14 characters, its entry takes at most 12".
QString ProblemText(const ConfigProblem& problem);

// The port as a person names it: "COM3 (/dev/ttyUSB0)", or the path alone when the user gave one.
QString PortWhere(const QString& port, const QString& path);

// `where` is PortWhere(...).
QString FailureText(const LinkFailure& failure, const QString& where);

// Why the tool will not send a value: "GroupCall must take exactly 6 bytes on the line, it takes
// 2".
QString RefusalText(const Refusal& refusal);

// The outcome as the device said it: "\"$4\" (write done)".
QString OutcomeText(Reply::Outcome outcome);

}  // namespace vorlan::cli
