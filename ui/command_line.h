#pragma once
// The program's command line: --demo, --help and --version. Parsed before the application object
// exists, so that --help and --version answer on the terminal without a display.

#include "ui/language_data.h"

namespace vorlan::ui {

struct CommandLine {
  bool demo = false;  // run against the device simulator on COM1
};

// Reads argv. --help, --version and a wrong option are answered on the terminal and end the
// program; anything else is returned. Qt's own options (-platform, -style, ...) pass through to the
// application object. `lang` is the build's language data; the application name and version
// must be set before.
CommandLine ParseCommandLine(int argc, char* argv[], const LanguageData& lang);

}  // namespace vorlan::ui
