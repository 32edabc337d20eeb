#pragma once
// What setting up several trackers says, in the build's language: a refused table, each tracker's
// state and why it failed, and the report of the run.

#include <QByteArray>
#include <QList>
#include <QString>

#include "provision/device_table.h"
#include "provision/provision_job.h"
#include "ui/language_data.h"

namespace vorlan {

// "club.csv was not used; nothing was sent:" and one line per bad row and field.
QString TableProblemsText(const QString& file, const TableProblems& problems,
                          const LanguageData& lang);

// Why a tracker failed; `timeoutMs` is each reply's time-out.
QString FailureReason(const JobFailure& failure, int timeoutMs, const LanguageData& lang);
// Why a tracker failed or was skipped (its warnings); empty for the others.
QString ReasonOf(const JobReport& report, int timeoutMs, const LanguageData& lang);
// The state's word ("done"), and for a failure why: "failed: no answer within 5.0 s".
QString StateText(const JobReport& report, int timeoutMs, const LanguageData& lang);

// One line per row: row, port, device, USB serial, callsign before and after, outcome, reason,
// backup file, under the build's column names.
QByteArray ReportCsv(const QList<JobReport>& reports, int timeoutMs, const LanguageData& lang);

}  // namespace vorlan
