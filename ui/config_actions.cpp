#include "ui/config_actions.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QUrl>

#include "config/backups.h"
#include "config/config_reader.h"
#include "config/config_writer.h"
#include "link/com_ports.h"
#include "link/discovery/port_names.h"
#include "params/presets.h"
#include "ui/config_messages.h"
#include "ui/finder_report.h"

namespace vorlan::ui {
namespace {

SaveInfo ThisProgram(const std::optional<ReadOrigin>& read = std::nullopt) {
  return {QCoreApplication::applicationName(), QCoreApplication::applicationVersion(),
          QDateTime::currentDateTimeUtc(), read};
}

}  // namespace

void ConfigActions::open(const QString& path) {
  const auto opened = OpenConfiguration(path, values(), FormJudging::BySender);
  if (const auto* problem = std::get_if<ConfigProblem>(&opened)) {
    view_.showMessage(OpenProblemText(*problem, lang_));
    return;
  }
  const auto& configuration = std::get<OpenedConfiguration>(opened);
  view_.showParameters(configuration.params);
  if (!configuration.deviceFields.empty() && deviceValuesShown) {
    deviceValuesShown(configuration.params, configuration.deviceFields);
  }
  view_.showMessage(OpenedText(path, configuration, lang_));
}

void ConfigActions::saveAs(const QString& path) {
  if (const auto unlisted = view_.unlistedWorkMode()) {
    view_.showMessage(UnlistedWorkModeNotSavedText(*unlisted, lang_));
    return;
  }
  if (const auto problem = SaveConfiguration(path, values(), ThisProgram())) {
    view_.showMessage(SaveProblemText(*problem, lang_));
  }
}

QString ConfigActions::backUp(const ParameterSet& params) {
  const ReadOrigin read{PortText(link_.commPort()), link_.devicePath(),
                        QDateTime::currentDateTimeUtc()};
  const BackupOutcome outcome =
      SaveBackup(params, ThisProgram(read), BackupKind::Read, backupFolder_);
  return outcome.problem ? BackupProblemText(*outcome.problem, lang_) : QString();
}

void ConfigActions::showPortMapping() {
  QStringList lines;
  for (const MappedPort& port : PortMapping()) lines << PortLineText(port, lang_);
  view_.showMessage(lines.isEmpty()
                        ? Text(lang_.config.noPortMapping)
                        : Text(lang_.config.portMapping) + '\n' + lines.join(QLatin1Char('\n')));
}

void ConfigActions::showAbout() {
  view_.showMessage(Text(lang_.config.aboutProgram).arg(QCoreApplication::applicationVersion()));
}

void ConfigActions::openBackupsFolder() {
  if (MakeBackupFolder(backupFolder_) ||
      !QDesktopServices::openUrl(QUrl::fromLocalFile(backupFolder_))) {
    view_.showMessage(Text(lang_.config.backupsFolderNotShown).arg(backupFolder_));
  }
}

}  // namespace vorlan::ui
