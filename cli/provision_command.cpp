// provision: many trackers set up at once, one template and a row of the table each, every port
// on its own session in this one process.

#include <QCoreApplication>
#include <QEventLoop>
#include <algorithm>
#include <vector>

#include "check/finding.h"
#include "cli/cli_texts.h"
#include "cli/commands.h"
#include "cli/provision_progress.h"
#include "cli/provision_texts.h"
#include "cli/stop_signals.h"
#include "cli/try.h"
#include "config/config_problem.h"
#include "config/file_names.h"
#include "config/native_files.h"
#include "config/whole_file.h"
#include "link/port_failure_texts.h"
#include "provision/csv_table.h"

namespace vorlan::cli {
namespace {

// What is to be done, judged whole before any port is opened.
struct Plan {
  ProvisionTemplate base;
  QList<TableRow> rows;
  QList<ProvisionPort> ports;  // --ports: each row's, in the rows' order
};

Failure TableFailure(const TableProblems& problems, const QString& table) {
  return {ExitCode::UsageOrFile, TableProblemsText(problems, table)};
}

std::variant<Plan, Failure> Prepare(Context& context) {
  const Options& options = context.options;
  if (!options.report.isEmpty() && LookAt(options.report).kind == PathKind::Other) {
    return Failure{ExitCode::UsageOrFile,
                   ProblemText({ConfigProblem::Kind::NotRegularFile, options.report})};
  }
  const QString& path = options.arguments[0];
  VORLAN_TRY(file, context.openFile(path, FormJudging::BySender));
  Plan plan{{file, path}, {}, {}};

  auto read = ReadDeviceTable(options.devices, plan.base);
  if (auto* problems = std::get_if<TableProblems>(&read))
    return TableFailure(*problems, options.devices);
  const DeviceTable& table = std::get<DeviceTable>(read);
  auto rows = SelectRows(table, options.rows);
  if (auto* problems = std::get_if<TableProblems>(&rows))
    return TableFailure(*problems, options.devices);
  plan.rows = std::get<QList<TableRow>>(rows);

  if (options.wait) return plan;  // each row's port is the one plugged in, or its own
  // Each row keeps its place among the ports with --rows too: the i-th row of the table goes to
  // the i-th port, so that the command that retries some rows gives each the port it had.
  const QList<TableRow> placed = table.rows.mid(0, plan.rows.last().number);
  auto ports = AssignPorts(placed, options.ports, PortMapping());
  if (auto* problems = std::get_if<TableProblems>(&ports)) {
    Failure failure = TableFailure(*problems, options.devices);
    const bool tooFew = std::any_of(problems->begin(), problems->end(), [](const auto& p) {
      return p.kind == TableProblem::Kind::MoreRowsThanPorts;
    });
    if (tooFew && !options.rows.isEmpty()) {
      failure.text += QStringLiteral(
          "\n  (with --rows too, the i-th row of the table goes to the i-th port given)");
    }
    return failure;
  }
  const auto& assigned = std::get<QList<ProvisionPort>>(ports);
  for (const TableRow& row : plan.rows) plan.ports << assigned[row.number - 1];
  return plan;
}

Provisioner::Options ProvisionerOptions(const Options& options) {
  Provisioner::Options provisioner;
  provisioner.timeoutMs = options.timeoutMs;
  provisioner.job.strict = options.strict;
  provisioner.job.backup = options.backup;
  provisioner.job.program = QCoreApplication::applicationName();
  provisioner.job.version = QCoreApplication::applicationVersion();
  return provisioner;
}

// What `write` would have exited with for the same failure.
ExitCode ExitCodeOf(const JobReport& report) {
  if (report.state == JobState::SkippedForWarning) return ExitCode::Warnings;
  if (!report.failure) return ExitCode::UsageOrFile;
  using Kind = JobFailure::Kind;
  switch (report.failure->kind) {
    case Kind::NoAnswer:
      return ExitCode::NoAnswer;
    case Kind::OtherKind:
    case Kind::Refused:
      return ExitCode::DeviceRefusal;
    case Kind::Garbled:
      return ExitCode::Garbled;
    case Kind::PortFailed:
      return ExitCode::Port;
    case Kind::Mismatch:
      return ExitCode::Mismatch;
    case Kind::BackupFailed:
    case Kind::TemplateValue:
    case Kind::WriteRefused:
    case Kind::Stopped:
      break;
  }
  return ExitCode::UsageOrFile;
}

// The notes a row gives once each as it goes: its backup, then the check's findings.
class RowNotes {
 public:
  explicit RowNotes(ProvisionProgress& progress) : progress_(progress) {}

  void tell(int index, const JobReport& report) {
    if (index >= static_cast<int>(told_.size())) told_.resize(index + 1);
    Told& told = told_[index];
    const QString row = QStringLiteral("Row %1: ").arg(report.row);
    if (!told.backup && (!report.backupFile.isEmpty() || report.backupNote)) {
      told.backup = true;
      const QString label = row + QStringLiteral("Backup before the write: ");
      if (!report.backupFile.isEmpty()) progress_.say(label + FileNameText(report.backupFile));
      if (report.backupNote) progress_.say(label + ProblemText(*report.backupNote));
    }
    if (!told.findings && !report.findings.empty()) {
      told.findings = true;
      for (const Finding& finding : report.findings) progress_.say(row + FindingLine(finding));
    }
  }

 private:
  struct Told {
    bool backup = false, findings = false;
  };
  ProvisionProgress& progress_;
  std::vector<Told> told_;
};

int RowsWithoutPort(const QList<JobReport>& reports) {
  return static_cast<int>(std::count_if(reports.begin(), reports.end(),
                                        [](const JobReport& r) { return r.port.name.isEmpty(); }));
}

// Runs every row to its end, or until a stop signal; the rows' reports.
QList<JobReport> RunRows(const Context& context, const Plan& plan, Provisioner::LinkFactory links,
                         StopSignals& stops) {
  const Options& options = context.options;
  ProvisionProgress progress(context, options.timeoutMs);
  RowNotes notes(progress);
  QEventLoop loop;  // before the provisioner, whose last word may still reach it
  Provisioner provisioner(plan.base, plan.rows, std::move(links), ProvisionerOptions(options));
  provisioner.onChanged = [&](int index) {
    const JobReport& report = provisioner.reports()[index];
    notes.tell(index, report);
    progress.show(report);
  };
  provisioner.onAssigned = [&](int index, const ProvisionPort& port) {
    progress.say(QStringLiteral("Row %1 -> %2")
                     .arg(provisioner.reports()[index].row)
                     .arg(PortWhere(port.name, port.path)));
  };
  provisioner.onWaitingForTracker = [&] {
    const int left = RowsWithoutPort(provisioner.reports());
    progress.say(QStringLiteral("%1 %2 left: plug in the next tracker.")
                     .arg(left)
                     .arg(left == 1 ? QStringLiteral("row") : QStringLiteral("rows")));
  };
  provisioner.onFinished = [&] { loop.quit(); };
  stops.onStop([&] {
    provisioner.stop();
    loop.quit();
  });
  if (options.wait) {
    provisioner.startAsPlugged();
  } else {
    provisioner.startOnPorts(plan.ports);
  }
  if (provisioner.running() && !stops.stopped()) loop.exec();
  stops.onStop(nullptr);
  provisioner.stop();
  return provisioner.reports();
}

std::optional<QString> SaveReport(const QString& path, const QList<JobReport>& reports,
                                  int timeoutMs) {
  const auto failure = SaveWholeFile(path, WriteCsv(ReportHeader(), ReportRows(reports, timeoutMs)),
                                     FileAccess::Umask);
  if (!failure) return std::nullopt;
  return QStringLiteral("Cannot save the report %1: %2").arg(FileNameText(path), *failure);
}

// The rows not set up, named with the command that retries only them; nothing when all are.
std::optional<Failure> Outcome(const Context& context, const QList<JobReport>& reports,
                               StopSignals& stops) {
  QList<int> left;
  std::optional<ExitCode> code;
  for (const JobReport& report : reports) {
    if (report.succeeded()) continue;
    left << report.row;
    const ExitCode rowCode = ExitCodeOf(report);
    if (!code || (*code == ExitCode::Warnings && rowCode != ExitCode::Warnings)) code = rowCode;
  }
  if (left.isEmpty() && !stops.stopped()) return std::nullopt;
  QStringList numbers;
  for (int row : left) numbers << QString::number(row);
  const QString retry = left.isEmpty() ? QString()
                                       : QStringLiteral(
                                             "\n%1 of %2 rows not set up: %3. Retry "
                                             "only them with:\n  %4")
                                             .arg(left.size())
                                             .arg(reports.size())
                                             .arg(numbers.join(QStringLiteral(", ")),
                                                  RetryCommand(context.options.given, left));
  if (stops.stopped()) {
    const Failure stopped = stops.failure(QString());
    return Failure{stopped.code,
                   QStringLiteral("Interrupted by %1: nothing more was sent, and every port is "
                                  "closed.")
                           .arg(stops.signalName()) +
                       retry};
  }
  return Failure{*code, retry.mid(1)};
}

}  // namespace

std::optional<Failure> RunProvision(Context& context, Provisioner::LinkFactory links) {
  context.notesToStderr = true;  // standard output carries the report's table
  VORLAN_TRY(plan, Prepare(context));
  StopSignals stops;  // first: every port closes before the signals are let go
  const QList<JobReport> reports = RunRows(context, plan, std::move(links), stops);

  const int timeoutMs = context.options.timeoutMs;
  context.print(ReportTableText(reports, timeoutMs));
  std::optional<QString> unsaved;
  if (!context.options.report.isEmpty())
    unsaved = SaveReport(context.options.report, reports, timeoutMs);
  std::optional<Failure> failure = Outcome(context, reports, stops);
  if (!unsaved) return failure;
  if (!failure) return Failure{ExitCode::UsageOrFile, *unsaved};
  context.warn(*unsaved);
  return failure;
}

}  // namespace vorlan::cli
