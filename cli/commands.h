#pragma once
// vorlan_cli's commands. Each prints its results and notes and says how it ended: nothing when
// all went well, else the failure with its exit code and message.

#include <optional>

#include "check/finding.h"
#include "cli/command_context.h"
#include "provision/provisioner.h"

namespace vorlan::cli {

std::optional<Failure> RunRead(Context& context);
std::optional<Failure> RunWrite(Context& context);
std::optional<Failure> RunVerify(Context& context);
std::optional<Failure> RunDiff(Context& context);

std::optional<Failure> RunCheck(Context& context);
std::optional<Failure> RunPasscode(Context& context);
// A finding on one line, whatever the values hold: "Callsign: warning: NOCALL stands for ...".
QString FindingLine(const Finding& finding);
// Prints the findings, one a line ("Callsign: warning: ..."), on standard error; write --strict
// turns warnings into its failure.
std::optional<Failure> ReportWriteFindings(const Context& context, const ParameterSet& target);

std::optional<Failure> RunPorts(Context& context);
std::optional<Failure> RunAbout(Context& context);
std::optional<Failure> RunInstruction(Context& context);
std::optional<Failure> RunMessage(Context& context);

// Sets up the table's trackers, each port on a link that `links` makes.
std::optional<Failure> RunProvision(Context& context, Provisioner::LinkFactory links);

}  // namespace vorlan::cli
