#include "ui/provision_messages.h"

#include <QStringList>

#include "ui/config_messages.h"
#include "ui/messages.h"

namespace vorlan {
namespace {

QString N(qint64 n) {
  return QString::number(n);
}

QString CsvText(const CsvProblem& csv, const ProvisionTexts& t) {
  using Kind = CsvProblem::Kind;
  switch (csv.kind) {
    case Kind::NotUtf8:
      return Text(t.csvNotUtf8).arg(csv.line);
    case Kind::NoHeader:
      return Text(t.csvNoHeader);
    case Kind::UnclosedQuote:
      return Text(t.csvUnclosedQuote).arg(csv.line);
    case Kind::TextAfterQuote:
      return Text(t.csvTextAfterQuote).arg(csv.line);
    case Kind::QuoteInField:
      return Text(t.csvQuoteInField).arg(csv.line);
    case Kind::WrongFieldCount:
      return Text(t.csvWrongFieldCount).arg(N(csv.line), N(csv.found), N(csv.expected));
  }
  return {};
}

// A refused value: where it is, then why, as a file's value or the write frame words it.
QString RefusedValueText(const TableProblem& p, const LanguageData& lang) {
  QString why;
  if (p.problem) {
    why = ConfigProblemDetail(*p.problem, lang);
  } else if (p.refusal) {
    why = RefusalText(*p.refusal, lang);
  }
  return Text(lang.provision.rowField).arg(N(p.row), N(p.line)) + why;
}

QString ProblemText(const TableProblem& p, const LanguageData& lang) {
  using Kind = TableProblem::Kind;
  const ProvisionTexts& t = lang.provision;
  switch (p.kind) {
    case Kind::CannotRead:
      return p.problem ? ConfigProblemDetail(*p.problem, lang) : QString();
    case Kind::Csv:
      return p.csv ? CsvText(*p.csv, t) : QString();
    case Kind::NoRows:
      return Text(t.noRows);
    case Kind::UnknownColumn:
      return Text(t.unknownColumn).arg(p.column);
    case Kind::ColumnTwice:
      return Text(t.columnTwice).arg(p.column);
    case Kind::ValueRefused:
      return RefusedValueText(p, lang);
    case Kind::CallsignTwice:
      return Text(t.callsignTwice).arg(N(p.row), N(p.line), N(p.otherRow), p.value);
    case Kind::PortTwice:
      return Text(t.portTwice).arg(N(p.row), N(p.line), N(p.otherRow), p.value);
    case Kind::UnknownPort:
      return Text(t.unknownPort).arg(N(p.row), N(p.line), p.value);
    case Kind::MoreRowsThanPorts:
      return Text(t.moreRowsThanPorts).arg(N(p.count), N(p.ports));
    case Kind::UnknownRow:
      return Text(t.unknownRow).arg(p.value);
  }
  return {};
}

QString StateWord(JobState state, const LanguageData& lang) {
  return Text(lang.provision.states[static_cast<std::size_t>(state)]);
}

}  // namespace

QString TableProblemsText(const QString& file, const TableProblems& problems,
                          const LanguageData& lang) {
  QStringList lines{Text(lang.provision.tableRefused).arg(file)};
  for (const TableProblem& problem : problems) lines << ProblemText(problem, lang);
  return lines.join(QLatin1Char('\n'));
}

QString FailureReason(const JobFailure& failure, int timeoutMs, const LanguageData& lang) {
  using Kind = JobFailure::Kind;
  const ProvisionTexts& t = lang.provision;
  switch (failure.kind) {
    case Kind::NoAnswer:
      return Text(t.noAnswer).arg(QString::number(timeoutMs / 1000.0, 'f', 1));
    case Kind::OtherKind:
      return Text(t.otherKind).arg(QString::fromLatin1(failure.received.left(2)));
    case Kind::Garbled:
      return Text(t.garbled).arg(QString::fromLatin1(failure.received.toHex(' ')));
    case Kind::Refused:
      return Text(t.refused);
    case Kind::PortFailed:
      return failure.link ? FailureText(*failure.link, lang) : QString();
    case Kind::BackupFailed:
      return failure.problem ? BackupProblemText(*failure.problem, lang) : QString();
    case Kind::TemplateValue:
      return failure.problem ? OpenProblemText(*failure.problem, lang) : QString();
    case Kind::WriteRefused:
      return failure.refusal ? RefusalText(*failure.refusal, lang) : QString();
    case Kind::Mismatch: {
      QStringList labels;
      for (Field field : failure.mismatched) labels << FieldLabelText(lang, field);
      return Text(t.mismatch).arg(labels.join(Text(t.fieldSeparator)));
    }
    case Kind::Stopped:
      return Text(failure.step == JobState::Waiting ? t.notPluggedIn : t.stopped);
  }
  return {};
}

QString ReasonOf(const JobReport& report, int timeoutMs, const LanguageData& lang) {
  if (report.failure) return FailureReason(*report.failure, timeoutMs, lang);
  if (report.state != JobState::SkippedForWarning) return {};
  QStringList warnings;  // what skipped it: each warning, after its field
  for (const Finding& finding : report.findings) {
    if (finding.severity != Severity::Warning) continue;
    warnings << FieldLabelText(lang, finding.field) + QStringLiteral(": ") +
                    FindingText(finding, lang);
  }
  return warnings.join(QStringLiteral("; "));
}

QString StateText(const JobReport& report, int timeoutMs, const LanguageData& lang) {
  const QString word = StateWord(report.state, lang);
  const QString reason = ReasonOf(report, timeoutMs, lang);
  return reason.isEmpty() ? word : Text(lang.provision.failedWhy).arg(word, reason);
}

QByteArray ReportCsv(const QList<JobReport>& reports, int timeoutMs, const LanguageData& lang) {
  QStringList header;
  for (std::string_view column : lang.provision.reportColumns) header << Text(column);
  QList<QStringList> rows;
  for (const JobReport& r : reports) {
    const QString reason = ReasonOf(r, timeoutMs, lang);
    rows << QStringList{N(r.row),
                        r.port.name,
                        r.devicePath,
                        r.port.serial,
                        r.callsignBefore,
                        r.callsignAfter,
                        StateWord(r.state, lang),
                        reason,
                        r.backupFile};
  }
  return WriteCsv(header, rows);
}

}  // namespace vorlan
