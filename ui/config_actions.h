#pragma once
// What the menu bar does: open and save configuration files, keep a backup of each read-back, and
// say which device each COM number opens and what program this is. Opening a file changes the
// window only; nothing is sent until the user presses Write.

#include <QString>
#include <functional>
#include <vector>

#include "link/serial_link.h"
#include "ui/language_data.h"
#include "ui/window_view.h"

namespace vorlan::ui {

class ConfigActions {
 public:
  ConfigActions(WindowView& view, SerialLink& link, const LanguageData& lang,
                const QString& backupFolder)
      : view_(view), link_(link), lang_(lang), backupFolder_(backupFolder) {}

  // Takes the file's values into the window when the whole file is sound, and says how many; else
  // says in one message what is wrong where, and leaves the window as it was. The forms of the
  // user's values are judged by Write, which knows what the device holds.
  void open(const QString& path);
  // Saves the window's values; says nothing unless that fails.
  void saveAs(const QString& path);
  // Saves the backup of a read-back, given its values as the device sent them; the message for a
  // failure, or an empty text.
  QString backUp(const ParameterSet& params);

  void showPortMapping();
  void showAbout();
  // Shows the backups folder in the desktop's file manager, making it first.
  void openBackupsFolder();

  const QString& backupFolder() const { return backupFolder_; }

  // Told when an opened file proves some of its values the device's own (it was saved from a
  // read-back and they are as they came): the window now shows them in those fields.
  std::function<void(const ParameterSet& deviceSent, const std::vector<Field>& fields)>
      deviceValuesShown;
  // The window's values as Write would send them (the device's own codes kept); without it, the
  // controls' values.
  std::function<ParameterSet()> windowValues;

 private:
  ParameterSet values() const { return windowValues ? windowValues() : view_.parameters(); }

  WindowView& view_;
  SerialLink& link_;
  const LanguageData& lang_;
  QString backupFolder_;
};

}  // namespace vorlan::ui
