#include "ui/config_messages.h"

#include "ui/messages.h"

namespace vorlan {
namespace {

// The value a problem is about: its label and key for a parameter, the key for anything else.
QString ValueName(const ConfigProblem& problem, const LanguageData& lang) {
  if (!problem.field) return problem.key;
  return Text(lang.config.valueName).arg(FieldLabelText(lang, *problem.field), problem.key);
}

QString Number(qint64 n) {
  return QString::number(n);
}

QString OpenDetail(const ConfigProblem& problem, const LanguageData& lang) {
  using Kind = ConfigProblem::Kind;
  const ConfigTexts& t = lang.config;
  const QString name = ValueName(problem, lang);
  switch (problem.kind) {
    case Kind::CannotRead:
      return Text(t.cannotRead).arg(problem.detail);
    case Kind::NotRegularFile:
      return Text(t.notRegularFile);
    case Kind::TooBig:
      return Text(t.tooBig).arg(Number(problem.found), Number(problem.limit));
    case Kind::DuplicateKey:
      return Text(t.duplicateKey).arg(problem.key);
    case Kind::NotJson:
      return Text(t.notJson).arg(problem.detail, Number(problem.found));
    case Kind::NotConfiguration:
      return Text(t.notConfiguration);
    case Kind::NewerVersion:
      return Text(t.newerVersion).arg(Number(problem.found), Number(problem.limit));
    case Kind::WrongType:
      return Text(t.wrongType)
          .arg(name, Text(t.valueTypes[static_cast<std::size_t>(problem.expected)]));
    case Kind::BadHex:
      return Text(t.badHex).arg(name, problem.detail);
    case Kind::NotText:
      return Text(t.notText).arg(name, Number(problem.found + 1));
    case Kind::TooLong:
      return Text(t.tooLong).arg(name, Number(problem.found), Number(problem.limit));
    case Kind::NoWorkModeCode:
      return Text(t.noWorkModeCode).arg(name, problem.detail);
    case Kind::WriteRefusal:
      return Text(t.writeRefusal) + '\n' +
             (problem.refusal ? RefusalText(*problem.refusal, lang) : QString());
    case Kind::CannotSave:
    case Kind::CannotMakeFolder:
    case Kind::CannotRemove:
      return problem.detail;
    case Kind::NoBackupFolder:
      return Text(t.noBackupFolder);
    case Kind::ForeignFolder:
      return Text(t.foreignFolder).arg(problem.file);
  }
  return {};
}

}  // namespace

QString OpenedText(const QString& file, const OpenedConfiguration& opened,
                   const LanguageData& lang) {
  QString text =
      Text(lang.config.opened).arg(file, Number(static_cast<qint64>(opened.fieldsSet.size())));
  if (!opened.unknownKeys.isEmpty()) {
    text += Text(lang.config.unknownKeys).arg(opened.unknownKeys.join(QStringLiteral(", ")));
  }
  return text;
}

QString ConfigProblemDetail(const ConfigProblem& problem, const LanguageData& lang) {
  return OpenDetail(problem, lang);
}

QString OpenProblemText(const ConfigProblem& problem, const LanguageData& lang) {
  return Text(lang.config.notOpened).arg(problem.file) + '\n' + OpenDetail(problem, lang);
}

QString UnlistedWorkModeNotSavedText(const QString& text, const LanguageData& lang) {
  return Text(lang.config.workModeNotSaved).arg(FieldLabelText(lang, Field::WorkMode), text);
}

QString SaveProblemText(const ConfigProblem& problem, const LanguageData& lang) {
  const QString why = problem.kind == ConfigProblem::Kind::NotRegularFile
                          ? Text(lang.config.notRegularFile)
                          : problem.detail;
  return Text(lang.config.notSaved).arg(problem.file, why);
}

QString BackupProblemText(const ConfigProblem& problem, const LanguageData& lang) {
  if (problem.kind == ConfigProblem::Kind::CannotRemove) {
    return Text(lang.config.backupNotRemoved).arg(problem.file, problem.detail);
  }
  if (problem.kind == ConfigProblem::Kind::NoBackupFolder) return Text(lang.config.noBackupFolder);
  if (problem.kind == ConfigProblem::Kind::ForeignFolder) {
    return Text(lang.config.foreignFolder).arg(problem.file);
  }
  return Text(lang.config.backupNotSaved).arg(problem.file, problem.detail);
}

}  // namespace vorlan
