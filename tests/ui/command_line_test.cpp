// The programs' command line, run as a user runs them: --help and --version answer on the
// terminal with no display at all; --demo starts the window against the device simulator.

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#if defined(VORLAN_SETUP_EN) && defined(VORLAN_SETUP_ZH) && defined(VORLAN_DEVICE_SIM)

namespace vorlan::test {
namespace {

struct Outcome {
  int exitCode = -1;
  QString out, err;
};

// No display: a program that opened a window here would fail.
Outcome RunProgram(const QString& program, const QStringList& arguments,
                   const QStringList& extraEnvironment = {}) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove("DISPLAY");
  env.remove("WAYLAND_DISPLAY");
  env.insert("QT_QPA_PLATFORM", "xcb");
  for (const QString& pair : extraEnvironment)
    env.insert(pair.section('=', 0, 0), pair.section('=', 1));
  QProcess process;
  process.setProcessEnvironment(env);
  process.start(program, arguments);
  Outcome run;
  if (!process.waitForFinished(20000)) return run;
  run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
  run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
  run.err = QString::fromLocal8Bit(process.readAllStandardError());
  return run;
}

TEST(CommandLineTest, AnswersOnTheTerminalWithoutADisplay) {
  const QString en = QStringLiteral(VORLAN_SETUP_EN), zh = QStringLiteral(VORLAN_SETUP_ZH);
  const struct {
    QString program;
    QStringList arguments;
    int exitCode;
    QString out;  // every line given here appears in the output, in this order
    QString err;
  } rows[] = {
      {en,
       {"--help"},
       0,
       "Usage: " + en +
           " [options]\n"
           "Reads, edits and writes the configuration of a QX series APRS terminal over a serial "
           "port.\n"
           "  -v, --version  Displays version information.\n"
           "  --demo         Try the program without hardware: a simulated device answers\n",
       ""},
      {zh, {"-h"}, 0, "通过串口读出、修改并写入QX系列APRS终端的配置。\n  --demo ", ""},
      {en, {"--version"}, 0, "vorlan_setup_en 1.00\n", ""},
      {zh, {"-v"}, 0, "vorlan_setup_zh 1.00\n", ""},
      {en, {"--bogus"}, 1, "", "vorlan_setup_en: Unknown option 'bogus'.\n"},
      {zh, {"--demo", "COM1"}, 1, "", "vorlan_setup_zh: unexpected argument \"COM1\"\n"},
  };
  for (const auto& row : rows) {
    const std::string what = (row.program + ' ' + row.arguments.join(' ')).toStdString();
    const Outcome run = RunProgram(row.program, row.arguments);
    EXPECT_EQ(run.exitCode, row.exitCode) << what << "\n" << run.err.toStdString();
    qsizetype at = 0;
    for (const QString& line : row.out.split('\n', Qt::SkipEmptyParts)) {
      at = run.out.indexOf(line, at);
      EXPECT_GE(at, 0) << what << ": no \"" << line.toStdString() << "\" in\n"
                       << run.out.toStdString();
    }
    if (row.out.isEmpty()) {
      EXPECT_EQ(run.out, QString()) << what;
    }
    EXPECT_EQ(run.err, row.err) << what;
  }
}

// Qt's own options still reach the window: "-platform offscreen" shows it without a display.
TEST(CommandLineTest, DemoShowsTheWindowWithTheSimulatorOnComOneAndEndsIt) {
  for (const QString& program :
       {QStringLiteral(VORLAN_SETUP_EN), QStringLiteral(VORLAN_SETUP_ZH)}) {
    const QString path = QFileInfo(QStringLiteral(VORLAN_DEVICE_SIM)).absolutePath() + ':' +
                         qEnvironmentVariable("PATH");
    const Outcome run = RunProgram(program, {"-platform", "offscreen", "--demo"},
                                   {"PATH=" + path, "VORLAN_EXIT_WHEN_SHOWN=1"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QRegularExpression said("COM1 \\((/dev/pts/\\d+)\\)");
    const QRegularExpressionMatch match = said.match(run.out);
    ASSERT_TRUE(match.hasMatch()) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("\nshown ")) << run.out.toStdString();
    EXPECT_FALSE(QFileInfo::exists(match.captured(1))) << "the simulator still runs";
  }
}

}  // namespace
}  // namespace vorlan::test

#endif
