#include "cli/provision_texts.h"

#include <QRegularExpression>
#include <algorithm>

#include "check/finding.h"
#include "cli/cli_texts.h"
#include "cli/exchange_log.h"
#include "cli/terminal_text.h"
#include "config/file_names.h"
#include "link/port_failure_texts.h"
#include "params/field_table.h"
#include "params/utf8.h"

namespace vorlan::cli {
namespace {

QString CsvText(const CsvProblem& csv) {
  using Kind = CsvProblem::Kind;
  switch (csv.kind) {
    case Kind::NotUtf8:
      return QStringLiteral("bytes that are no UTF-8 text; save the table as UTF-8");
    case Kind::NoHeader:
      return QStringLiteral("no header: the first line names the fields (Callsign, ...)");
    case Kind::UnclosedQuote:
      return QStringLiteral("a quoted field runs to the end of the file");
    case Kind::TextAfterQuote:
      return QStringLiteral(
          "text after a closing quote; a quote inside a quoted field is written twice (\"\")");
    case Kind::QuoteInField:
      return QStringLiteral(
          "a double quote inside a field that is not quoted; quote the field and write the quote "
          "twice (\"\")");
    case Kind::WrongFieldCount:
      return (csv.found == 1 ? QStringLiteral("1 field")
                             : QStringLiteral("%1 fields").arg(csv.found)) +
             QStringLiteral(", the header has %1").arg(csv.expected);
  }
  return {};
}

// A cell's problem without the file and key that the row's own words already give.
QString CellProblemText(ConfigProblem problem) {
  problem.file.clear();
  problem.key.clear();
  QString text = ProblemText(problem);
  if (text.startsWith(QStringLiteral(": "))) text.remove(0, 2);
  return text;
}

QString RowWhere(const TableProblem& problem, const QString& column) {
  return QStringLiteral("row %1 (line %2), %3").arg(problem.row).arg(problem.line).arg(column);
}

QString FieldName(const TableProblem& problem) {
  return problem.field ? Utf8(Def(*problem.field).name) : problem.column;
}

QString Seconds(int ms) {
  return QStringLiteral("%1 s").arg(ms / 1000.0);
}

QString StepText(JobState step) {
  switch (step) {
    case JobState::Writing:
      return QStringLiteral("while writing");
    case JobState::Checking:
      return QStringLiteral("while reading back after the write");
    default:
      return QStringLiteral("while reading");
  }
}

QString FailureReason(const JobFailure& failure, const JobReport& report, int timeoutMs) {
  using Kind = JobFailure::Kind;
  const QString step = StepText(failure.step);
  switch (failure.kind) {
    case Kind::NoAnswer:
      return QStringLiteral("no answer within %1 %2").arg(Seconds(timeoutMs), step);
    case Kind::OtherKind:
      return QStringLiteral("answered with a reply of another kind %1: %2")
          .arg(step, failure.reply ? cli::OutcomeText(failure.reply->outcome) : QString());
    case Kind::Garbled:
      return QStringLiteral("answered with %1 %2 (it sent: %3)")
          .arg(cli::OutcomeText(Reply::Outcome::NoLead), step,
               ExchangeLog::Line(failure.received.left(24)));
    case Kind::Refused:
      return failure.reply ? QStringLiteral("refused the write: it answered %1")
                                 .arg(cli::OutcomeText(failure.reply->outcome))
                           : QStringLiteral("did not answer the write with \"$4\"");
    case Kind::PortFailed:
      return failure.link
                 ? FailureText(*failure.link, PortWhere(failure.link->port, failure.link->path))
                 : QStringLiteral("the port failed %1").arg(step);
    case Kind::BackupFailed:
      return QStringLiteral("nothing written: the backup before the write failed: %1")
          .arg(failure.problem ? ProblemText(*failure.problem) : QString());
    case Kind::TemplateValue:
      return QStringLiteral("nothing written: %1")
          .arg(failure.problem ? ProblemText(*failure.problem) : QString());
    case Kind::WriteRefused:
      return QStringLiteral("nothing written: %1")
          .arg(failure.refusal ? RefusalText(*failure.refusal) : QString());
    case Kind::Mismatch: {
      QStringList names;
      for (Field f : failure.mismatched) names << Utf8(Def(f).name);
      return QStringLiteral("written, but the device holds other values in %1")
          .arg(names.join(", "));
    }
    case Kind::Stopped:
      return failure.step == JobState::Writing
                 ? QStringLiteral(
                       "stopped while writing: the write frame had gone out; read the "
                       "tracker to see what it holds")
                 : QStringLiteral("stopped %1; nothing was written").arg(step);
  }
  Q_UNUSED(report);
  return {};
}

QString Count(int n, const char* one, const char* many) {
  return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

QString Cell(const QString& text) {
  return text.isEmpty() ? QStringLiteral("-") : text;
}

}  // namespace

QString TableProblemLine(const TableProblem& problem, const QString& table) {
  using Kind = TableProblem::Kind;
  const QString file = FileNameText(table);
  switch (problem.kind) {
    case Kind::CannotRead:
      return problem.problem ? ProblemText(*problem.problem)
                             : QStringLiteral("Cannot read %1").arg(file);
    case Kind::Csv:
      return QStringLiteral("%1: line %2: %3")
          .arg(file)
          .arg(problem.csv ? problem.csv->line : problem.line)
          .arg(problem.csv ? CsvText(*problem.csv) : QString());
    case Kind::NoRows:
      return QStringLiteral("%1: a header and no rows below it").arg(file);
    case Kind::UnknownColumn:
      return QStringLiteral(
                 "%1: column \"%2\" is no field's name as files spell it (Callsign, BeaconText, "
                 "LoginPassword, ...) nor \"port\"")
          .arg(file, TerminalText(problem.column));
    case Kind::ColumnTwice:
      return QStringLiteral("%1: column \"%2\" stands twice; give each field one column")
          .arg(file, TerminalText(problem.column));
    case Kind::ValueRefused:
      return RowWhere(problem, FieldName(problem)) + QStringLiteral(": ") +
             (problem.problem ? CellProblemText(*problem.problem)
              : problem.refusal
                  ? QStringLiteral("the write would refuse it: ") + RefusalText(*problem.refusal)
                  : QString());
    case Kind::CallsignTwice:
      return RowWhere(problem, QStringLiteral("Callsign")) +
             QStringLiteral(": \"%1\" is the callsign of row %2 too")
                 .arg(TerminalText(problem.value))
                 .arg(problem.otherRow);
    case Kind::PortTwice:
      return RowWhere(problem, QStringLiteral("port")) +
             QStringLiteral(": %1 is the port of row %2 too")
                 .arg(TerminalText(problem.value))
                 .arg(problem.otherRow);
    case Kind::UnknownPort:
      if (problem.row == 0) {
        return QStringLiteral("--ports: \"%1\" is no port: give COM1 to COM30 or a device path")
            .arg(TerminalText(problem.value));
      }
      return RowWhere(problem, QStringLiteral("port")) +
             QStringLiteral(": \"%1\" is no port: give COM1 to COM30 or a device path")
                 .arg(TerminalText(problem.value));
    case Kind::MoreRowsThanPorts:
      return QStringLiteral("%1 for %2: give a port for each row (--ports), or --wait")
          .arg(Count(problem.count, "row", "rows"), Count(problem.ports, "port", "ports"));
    case Kind::UnknownRow:
      return QStringLiteral("--rows: %1 is no row of %2").arg(TerminalText(problem.value), file);
  }
  return {};
}

QString TableProblemsText(const TableProblems& problems, const QString& table) {
  QStringList lines = {QStringLiteral("Nothing was sent to any tracker:")};
  for (const TableProblem& problem : problems)
    lines << QStringLiteral("  ") + TableProblemLine(problem, table);
  return lines.join(u'\n');
}

QString JobStateText(JobState state) {
  switch (state) {
    case JobState::Waiting:
      return QStringLiteral("waiting");
    case JobState::Reading:
      return QStringLiteral("reading");
    case JobState::Writing:
      return QStringLiteral("writing");
    case JobState::Checking:
      return QStringLiteral("checking");
    case JobState::Done:
      return QStringLiteral("done");
    case JobState::AlreadySetUp:
      return QStringLiteral("already set up");
    case JobState::SkippedForWarning:
      return QStringLiteral("skipped for a warning");
    case JobState::Failed:
      return QStringLiteral("failed");
  }
  return {};
}

QString OutcomeText(const JobReport& report) {
  return report.finished() ? JobStateText(report.state) : JobStateText(JobState::Failed);
}

QString ReasonText(const JobReport& report, int timeoutMs) {
  if (report.state == JobState::SkippedForWarning) {
    const int warnings = WarningCount(report.findings);
    return QStringLiteral("nothing written: %1 %2 (--strict)")
        .arg(warnings)
        .arg(warnings == 1 ? QStringLiteral("warning") : QStringLiteral("warnings"));
  }
  if (report.failure) return FailureReason(*report.failure, report, timeoutMs);
  if (!report.finished()) {
    return report.port.name.isEmpty() ? QStringLiteral("no tracker was plugged in for it")
                                      : QStringLiteral("the run ended before it was set up");
  }
  return {};
}

QString PortOfRowText(const JobReport& report) {
  if (report.port.name.isEmpty()) return {};
  return PortWhere(report.port.name,
                   report.devicePath.isEmpty() ? report.port.path : report.devicePath);
}

QStringList ReportHeader() {
  return {QStringLiteral("row"),
          QStringLiteral("port"),
          QStringLiteral("device"),
          QStringLiteral("usb_serial"),
          QStringLiteral("callsign_before"),
          QStringLiteral("callsign_after"),
          QStringLiteral("outcome"),
          QStringLiteral("reason"),
          QStringLiteral("backup")};
}

QList<QStringList> ReportRows(const QList<JobReport>& reports, int timeoutMs) {
  QList<QStringList> rows;
  for (const JobReport& report : reports) {
    rows << QStringList{QString::number(report.row),
                        report.port.name,
                        report.devicePath.isEmpty() ? report.port.path : report.devicePath,
                        report.port.serial,
                        report.callsignBefore,
                        report.callsignAfter,
                        OutcomeText(report),
                        ReasonText(report, timeoutMs),
                        report.backupFile};
  }
  return rows;
}

QString ReportTableText(const QList<JobReport>& reports, int timeoutMs) {
  QList<QStringList> lines = {{QStringLiteral("Row"), QStringLiteral("Port"),
                               QStringLiteral("Device"), QStringLiteral("USB serial"),
                               QStringLiteral("Callsign"), QStringLiteral("Outcome"),
                               QStringLiteral("Reason"), QStringLiteral("Backup")}};
  for (const QStringList& row : ReportRows(reports, timeoutMs)) {
    const QString callsign = row[4].isEmpty() && row[5].isEmpty()
                                 ? QString()
                                 : QStringLiteral("%1 -> %2")
                                       .arg(Cell(TerminalText(row[4])), Cell(TerminalText(row[5])));
    lines << QStringList{row[0],
                         Cell(row[1]),
                         Cell(FileNameText(row[2])),
                         Cell(TerminalText(row[3])),
                         Cell(callsign),
                         row[6],
                         Cell(row[7]),
                         Cell(FileNameText(row[8]))};
  }
  QList<qsizetype> widths(lines.first().size(), 0);
  for (const QStringList& line : lines) {
    for (qsizetype i = 0; i < line.size(); ++i) widths[i] = std::max(widths[i], line[i].size());
  }
  QStringList text;
  for (const QStringList& line : lines) {
    QString out;
    for (qsizetype i = 0; i < line.size(); ++i) {
      const bool last = i + 1 == line.size();
      out += last ? line[i] : line[i].leftJustified(widths[i]) + QStringLiteral("  ");
    }
    text << out;
  }
  return text.join(u'\n');
}

QString ShellQuoted(const QString& word) {
#ifdef Q_OS_WIN
  static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_@%+=:,./\\\\-]+$"));
  if (plain.match(word).hasMatch()) return word;
  QString quoted = word;
  return u'"' + quoted.replace(u'"', QStringLiteral("\\\"")) + u'"';
#else
  static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_@%+=:,./-]+$"));
  if (plain.match(word).hasMatch()) return word;
  QString quoted = word;
  return u'\'' + quoted.replace(u'\'', QStringLiteral("'\\''")) + u'\'';
#endif
}

QString RetryCommand(const QStringList& given, const QList<int>& rows) {
  QStringList numbers;
  for (int row : rows) numbers << QString::number(row);
  const QStringList option = {QStringLiteral("--rows"), numbers.join(u',')};

  QStringList words;
  qsizetype at = -1;  // where the new --rows goes: where the old one stood
  bool optionsEnded = false;
  for (qsizetype i = 0; i < given.size(); ++i) {
    const QString& word = given[i];
    if (!optionsEnded && word == QLatin1String("--")) {
      optionsEnded = true;
      if (at < 0) at = words.size();
    } else if (!optionsEnded && word == QLatin1String("--rows")) {
      if (at < 0) at = words.size();
      ++i;  // its value
      continue;
    } else if (!optionsEnded && word.startsWith(QLatin1String("--rows="))) {
      if (at < 0) at = words.size();
      continue;
    }
    words << word;
  }
  if (at < 0) at = words.size();
  for (qsizetype i = 0; i < option.size(); ++i) words.insert(at + i, option[i]);
  QStringList quoted;
  for (const QString& word : words) quoted << ShellQuoted(FileNameText(word));
  return quoted.join(u' ');
}

}  // namespace vorlan::cli
