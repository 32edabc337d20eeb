#include "ui/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <array>
#include <cstdio>
#include <cstdlib>

#include "ui/language_data.h"

namespace vorlan::ui {
namespace {

// Options that QGuiApplication and QApplication take from the command line themselves: known here
// so that they are no error, hidden from the help.
struct QtOption {
  const char* name;
  bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true},
    {"qwindowtitle", true},    {"reverse", false},
    {"session", true},         {"style", true},
    {"stylesheet", true},      {"widgetcount", false},
    {"display", true},         {"geometry", true},
    {"title", true},           {"name", true},
    {"visual", true},          {"qmljsdebugger", true},
};

void AddQtOptions(QCommandLineParser& parser) {
  for (const auto& qt : kQtOptions) {
    QCommandLineOption option(QString::fromLatin1(qt.name), QString(),
                              qt.takesValue ? QStringLiteral("value") : QString());
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
}

}  // namespace

CommandLine ParseCommandLine(int argc, char* argv[], const LanguageData& lang) {
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);  // "-platform xcb"
  parser.setApplicationDescription(Text(lang.helpDescription));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  const QCommandLineOption demo(QStringLiteral("demo"), Text(lang.helpDemo));
  parser.addOption(demo);
  AddQtOptions(parser);

  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const bool parsed = parser.parse(arguments);
  const QStringList stray = parser.positionalArguments();
  if (parsed && !parser.isSet(help) && !parser.isSet(version) && stray.isEmpty()) {
    return {.demo = parser.isSet(demo)};
  }
  // A core application object is enough to answer on the terminal; process() prints the help, the
  // version or what is wrong with an option, and ends the program.
  int count = argc;
  QCoreApplication terminal(count, argv);
  parser.process(terminal);
  std::fprintf(stderr, "%s: unexpected argument \"%s\"\n",
               qPrintable(QCoreApplication::applicationName()), qPrintable(stray.first()));
  std::exit(1);
}

}  // namespace vorlan::ui
