#pragma once
// vorlan_cli provision against simulators on pseudo-terminals: a template, a table of trackers,
// and what each device holds afterwards.

#include <QJsonDocument>
#include <QJsonObject>
#include <memory>
#include <vector>

#include "cli_fixture.h"
#include "simulator.h"

namespace vorlan::test {

class ProvisionTest : public CliTest {
 protected:
  // A partial template: the club's beacon text, path and phone, logged in to APRS-IS.
  QString writeTemplate() {
    writeFile("club.json", R"({"format": "vorlan_setup configuration", "version": 1,
        "parameters": {"BeaconText": "Club tracker", "Path": "WIDE1-1", "LoginServer": true,
                       "MyPhone": "13900000000"}})");
    return file("club.json");
  }
  QString writeTable(const QByteArray& text) {
    writeFile("trackers.csv", text);
    return file("trackers.csv");
  }

  // n simulators, COM1 to COMn pinned to them.
  void startSimulators(int n) {
    for (int i = 0; i < n; ++i) addSimulator();
  }
  // One more, pinned as the next COM port.
  Simulator& addSimulator(const QStringList& options = {"--fast"}) {
    sims.push_back(std::make_unique<Simulator>(options));
    pins.insert(QStringLiteral("VORLAN_COM%1").arg(sims.size()), sims.back()->path());
    return *sims.back();
  }

  // The parameters the device at `path` holds now, as `vorlan_cli read` prints them: texts with
  // the blanks the device pads them with.
  QJsonObject deviceValues(const QString& path) {
    const CliRun read = cli({"read", "--port", path, "--no-backup"});
    EXPECT_EQ(read.exitCode, 0) << read.err.toStdString();
    return QJsonDocument::fromJson(read.out.toUtf8()).object().value("parameters").toObject();
  }

  // A command line as a user pastes it into the shell.
  CliRun shell(const QString& command) {
    QProcess process;
    process.setProcessEnvironment(environmentWith(pins));
    process.start("/bin/sh", {"-c", command});
    WaitUntil([&] { return process.state() == QProcess::NotRunning; }, 60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
  }

  std::vector<std::unique_ptr<Simulator>> sims;
  QMap<QString, QString> pins;
};

}  // namespace vorlan::test
