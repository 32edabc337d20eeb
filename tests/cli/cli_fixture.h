#pragma once
// vorlan_cli run as a user runs it: its data folder (and so its backups) in the test's own folder,
// its output and exit code kept for the test.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "event_loop.h"

namespace vorlan::test {

struct CliRun {
  int exitCode = -1;
  QString out, err;
};

class CliTest : public testing::Test {
 protected:
  // This process's environment, with the data folder (and so the backups) in the test's own
  // folder and the given pins.
  QProcessEnvironment environmentWith(const QMap<QString, QString>& pins) const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", home.path());
    for (auto pin = pins.begin(); pin != pins.end(); ++pin)
      environment.insert(pin.key(), pin.value());
    return environment;
  }

  // Runs vorlan_cli with its data folder (and so its backups) in the test's own folder, with the
  // given environment pins; its standard output goes to `out` unless a file is given for it.
  CliRun cli(const QStringList& arguments, const QMap<QString, QString>& pins = {},
             const QString& standardOutput = {}) {
    QProcess process;
    process.setProcessEnvironment(environmentWith(pins));
    if (!standardOutput.isEmpty()) process.setStandardOutputFile(standardOutput);
    process.start(QStringLiteral(VORLAN_CLI), arguments);
    WaitUntil([&] { return process.state() == QProcess::NotRunning; }, 60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
  }
  QString file(const QString& name) const { return dir.filePath(name); }
  void writeFile(const QString& name, const QByteArray& text) const {
    QFile out(file(name));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(text);
  }
  QString backups() const { return home.filePath("vorlan_setup/backups"); }
  QString backupText(const QString& name) const {
    QFile backup(QDir(backups()).filePath(name));
    return backup.open(QIODevice::ReadOnly) ? QString::fromUtf8(backup.readAll()) : QString();
  }
  QStringList backupNames() const {
    return QDir(backups()).entryList({"*.json"}, QDir::Files, QDir::Name);
  }

  QTemporaryDir dir, home;
};

}  // namespace vorlan::test
