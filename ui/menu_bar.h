#pragma once
// The menu bar above the window's client area: "File" (open and save a configuration, the backups
// folder, exit), "Port" (find the tracker's port), "Tools" (check the configuration, the APRS-IS
// passcode, setting up several trackers) and "Help" (the port mapping, about this program), in the
// build's language.

#include <functional>

#include "ui/check_actions.h"
#include "ui/config_actions.h"
#include "ui/language_data.h"

class QMenuBar;
class QWidget;

namespace vorlan::ui {

// Puts the menu bar at the top of `window` and returns a new client area below it for the
// window's controls: they keep their places, and the window grows by the menu bar's height.
QWidget* PlaceBelowMenuBar(QWidget& window, QMenuBar* menuBar);

// Actions are named for tests: "actionOpen", "actionSaveAs", "actionOpenBackups", "actionExit",
// "actionFindTracker", "actionCheck", "actionPasscode", "actionProvision", "actionPortMapping",
// "actionAbout". The file dialogs are named "configFileDialog".
QMenuBar* BuildMenuBar(QWidget& window, const LanguageData& lang, ConfigActions& config,
                       CheckActions& check, const std::function<void()>& exit,
                       const std::function<void()>& findTracker,
                       const std::function<void()>& provision);

}  // namespace vorlan::ui
