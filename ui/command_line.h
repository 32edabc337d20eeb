#pragma once
// The program's command line: --demo, --help and --version. Parsed before the application object
// exists, so that --help and --version answer on the terminal without a display.

#include <string_view>

namespace vorlan::ui {

struct CommandLine {
  bool demo = false;  // run against the device simulator on COM1
};

// Reads argv. --help, --version and a wrong option are answered on the terminal and end the
// program; anything else is returned. Qt's own options (-platform, -style, ...) pass through to the
// application object. `language` is the build's ("en" or "zh"); the application name and version
// must be set before.
CommandLine ParseCommandLine(int argc, char* argv[], std::string_view language);

}  // namespace vorlan::ui
