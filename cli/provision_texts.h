#pragma once
// vorlan_cli's English wording of provisioning: what is wrong with a table of trackers, where each
// row stands, the report's table and CSV, and the command that retries the rows not set up.

#include <QList>
#include <QString>
#include <QStringList>

#include "provision/device_table.h"
#include "provision/provision_job.h"

namespace vorlan::cli {

// One line for a bad row and field: "row 3 (line 4), Callsign: ...".
QString TableProblemLine(const TableProblem& problem, const QString& table);
// Every problem of the table, one line each under a line that says nothing was sent.
QString TableProblemsText(const TableProblems& problems, const QString& table);

// "reading", "already set up", ...: a state as a progress line and the report say it.
QString JobStateText(JobState state);
// The report's outcome: "done", "already set up", "skipped for a warning" or "failed" (a row that
// never finished counts as failed).
QString OutcomeText(const JobReport& report);
// Why the row is where it is, in words; empty for a tracker set up. `timeoutMs` is each reply's.
QString ReasonText(const JobReport& report, int timeoutMs);
// The row's port as a person names it: "COM3 (/dev/ttyUSB0)"; empty before it has one.
QString PortOfRowText(const JobReport& report);

// The report, one row each: the CSV's header and rows, the callsign before and after apart.
QStringList ReportHeader();
QList<QStringList> ReportRows(const QList<JobReport>& reports, int timeoutMs);
// The same as a table for a terminal: columns aligned, "before -> after" in one column, "-" for
// an empty cell, device values escaped.
QString ReportTableText(const QList<JobReport>& reports, int timeoutMs);

// A word as the shell takes it back: as it is when it holds nothing the shell reads, else quoted.
QString ShellQuoted(const QString& word);
// The command line `given` (the program first) with "--rows" of `rows` in place of any it had,
// quoted for the shell.
QString RetryCommand(const QStringList& given, const QList<int>& rows);

}  // namespace vorlan::cli
