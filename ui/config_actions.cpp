#include "ui/config_actions.h"

#include <QCoreApplication>
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
#include "ui/saved_by.h"

namespace vorlan::ui {

void ConfigActions::open(const QString& path) {
  const auto opened = OpenConfiguration(path, presenter_.values(), FormJudging::BySender);
  if (const auto* problem = std::get_if<ConfigProblem>(&opened)) {
    view_.showMessage(OpenProblemText(*problem, lang_));
    return;
  }
  const auto& configuration = std::get<OpenedConfiguration>(opened);
  presenter_.takeOpened(configuration);
  view_.showMessage(OpenedText(path, configuration, lang_));
}

void ConfigActions::saveAs(const QString& path) {
  if (const auto& unlisted = presenter_.unlistedWorkMode()) {
    view_.showMessage(UnlistedWorkModeNotSavedText(*unlisted, lang_));
    return;
  }
  if (const auto problem = SaveConfiguration(path, presenter_.values(), SavedByThisProgram())) {
    view_.showMessage(SaveProblemText(*problem, lang_));
  }
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
