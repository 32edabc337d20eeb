#include "ui/menu_bar.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

namespace vorlan::ui {
namespace {

// The file the user picks in a standard file dialog with the configuration filter; empty when
// the dialog is cancelled. The dialog opens where the last file was picked.
QString PickFile(QWidget& window, const LanguageData& lang, QFileDialog::AcceptMode mode) {
  static QString lastFolder = QDir::homePath();
  const bool opening = mode == QFileDialog::AcceptOpen;
  QFileDialog dialog(&window, Text(opening ? lang.config.openTitle : lang.config.saveTitle),
                     lastFolder, Text(lang.config.fileFilter));
  dialog.setObjectName(QStringLiteral("configFileDialog"));
  dialog.setAcceptMode(mode);
  dialog.setFileMode(opening ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  if (!opening) dialog.setDefaultSuffix(QStringLiteral("json"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const QString path = dialog.selectedFiles().constFirst();
  lastFolder = QFileInfo(path).absolutePath();
  return path;
}

QAction* AddAction(QMenu* menu, const char* name, std::string_view text,
                   const std::function<void()>& handler, const QKeySequence& keys = {}) {
  QAction* action = menu->addAction(Text(text));
  action->setObjectName(QLatin1String(name));
  action->setShortcut(keys);
  QObject::connect(action, &QAction::triggered, menu, [handler] { handler(); });
  return action;
}

}  // namespace

QWidget* PlaceBelowMenuBar(QWidget& window, QMenuBar* menuBar) {
  auto* layout = new QVBoxLayout(&window);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setSizeConstraint(QLayout::SetFixedSize);  // the client area's fixed size decides
  layout->setMenuBar(menuBar);
  auto* client = new QWidget(&window);
  client->setObjectName(QStringLiteral("clientArea"));
  layout->addWidget(client);
  return client;
}

QMenuBar* BuildMenuBar(QWidget& window, const LanguageData& lang, ConfigActions& config,
                       CheckActions& check, const std::function<void()>& exit,
                       const std::function<void()>& findTracker,
                       const std::function<void()>& provision) {
  auto* bar = new QMenuBar(&window);
  const ConfigTexts& t = lang.config;

  QMenu* file = bar->addMenu(Text(t.menuFile));
  file->setObjectName(QStringLiteral("menuFile"));
  AddAction(
      file, "actionOpen", t.menuOpen,
      [&window, &lang, &config] {
        const QString path = PickFile(window, lang, QFileDialog::AcceptOpen);
        if (!path.isEmpty()) config.open(path);
      },
      QKeySequence(Qt::CTRL | Qt::Key_O));
  AddAction(
      file, "actionSaveAs", t.menuSaveAs,
      [&window, &lang, &config] {
        const QString path = PickFile(window, lang, QFileDialog::AcceptSave);
        if (!path.isEmpty()) config.saveAs(path);
      },
      QKeySequence(Qt::CTRL | Qt::Key_S));
  AddAction(file, "actionOpenBackups", t.menuOpenBackups,
            [&config] { config.openBackupsFolder(); });
  file->addSeparator();
  AddAction(file, "actionExit", t.menuExit, exit);

  QMenu* port = bar->addMenu(Text(lang.finder.menuPort));
  port->setObjectName(QStringLiteral("menuPort"));
  AddAction(port, "actionFindTracker", lang.finder.menuFindTracker, findTracker);

  QMenu* tools = bar->addMenu(Text(lang.check.menuTools));
  tools->setObjectName(QStringLiteral("menuTools"));
  AddAction(
      tools, "actionCheck", lang.check.menuCheck, [&check] { check.showList(); },
      QKeySequence(Qt::Key_F7));
  AddAction(tools, "actionPasscode", lang.check.menuPasscode, [&check] { check.offerPasscode(); });
  tools->addSeparator();
  AddAction(tools, "actionProvision", lang.provision.menuProvision, provision);

  QMenu* help = bar->addMenu(Text(t.menuHelp));
  help->setObjectName(QStringLiteral("menuHelp"));
  AddAction(help, "actionPortMapping", t.menuPortMapping, [&config] { config.showPortMapping(); });
  AddAction(help, "actionAbout", t.menuAbout, [&config] { config.showAbout(); });
  return bar;
}

}  // namespace vorlan::ui
