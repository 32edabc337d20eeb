#pragma once
// What the menu bar does: open and save configuration files, show the backups folder, and say
// which device each COM number opens and what program this is. Opening a file changes the window's
// values only; nothing is sent until the user presses Write.

#include <QString>

#include "ui/language_data.h"
#include "ui/window_presenter.h"
#include "ui/window_view.h"

namespace vorlan::ui {

class ConfigActions {
 public:
  ConfigActions(WindowView& view, WindowPresenter& presenter, const LanguageData& lang,
                const QString& backupFolder)
      : view_(view), presenter_(presenter), lang_(lang), backupFolder_(backupFolder) {}

  // Takes the file's values into the window when the whole file is sound, and says how many; else
  // says in one message what is wrong where, and leaves the window as it was. The forms of the
  // user's values are judged by Write, which knows what the device holds.
  void open(const QString& path);
  // Saves the window's values (the device's own codes kept); says nothing unless that fails.
  void saveAs(const QString& path);

  void showPortMapping();
  void showAbout();
  // Shows the backups folder in the desktop's file manager, making it first.
  void openBackupsFolder();

  const QString& backupFolder() const { return backupFolder_; }

 private:
  WindowView& view_;
  WindowPresenter& presenter_;
  const LanguageData& lang_;
  QString backupFolder_;
};

}  // namespace vorlan::ui
