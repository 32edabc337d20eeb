// vorlan_cli as a user runs it, against the device simulator on a pseudo-terminal: a read written
// back byte for byte with every filler, a file of the Chinese build, a planted mismatch, a silent
// device, backups, the exit codes, the exchange log, the APRS check and the passcode.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "config/config_reader.h"
#include "config/config_writer.h"
#include "link/reply.h"
#include "link/write_frame.h"
#include "params/field_table.h"
#include "simulator.h"
#include "ui/lang/en/en_language.h"
#include "ui/lang/zh/zh_language.h"

namespace vorlan::test {
namespace {

struct CliRun {
  int exitCode = -1;
  QString out, err;
};

class CliTest : public testing::Test {
 protected:
  // Runs vorlan_cli with its data folder (and so its backups) in the test's own folder.
  CliRun cli(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", home.path());
    process.setProcessEnvironment(environment);
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
  QStringList backupNames() const {
    return QDir(backups()).entryList({"*.json"}, QDir::Files, QDir::Name);
  }

  QTemporaryDir dir, home;
};

// The read-back a reply holds.
ReadBack ReadBackOf(const QByteArray& reply) {
  BufferSource source(reply);
  return ParseReply(source).readBack;
}

TEST_F(CliTest, AReadWrittenBackSendsTheDeviceTheBytesItReadWithEveryFiller) {
  for (const char* filler : {"blank", "nul", "ff"}) {
    SCOPED_TRACE(filler);
    Simulator sim({"--fast", "--filler", filler});
    ASSERT_FALSE(sim.path().isEmpty());
    const QString saved = file(QStringLiteral("%1.json").arg(filler));

    const CliRun read = cli({"read", "--port", sim.path(), "-o", saved});
    ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();
    const CliRun write = cli({"write", "--port", sim.path(), saved});
    ASSERT_EQ(write.exitCode, 0) << write.err.toStdString();
    EXPECT_TRUE(write.out.contains("Verified: all 44 fields match.")) << write.out.toStdString();

    // Three read-backs went out (read, write's first read, its verify), the same each time: the
    // device holds what it held, filler included.
    ASSERT_TRUE(sim.waitFor("tx", 4));
    const QList<QByteArray> replies = sim.sent();
    EXPECT_EQ(replies[0], replies[1]);
    EXPECT_EQ(replies[0], replies[3]);
    // The frame carries every text of the read-back as its bytes, filler and all.
    const ReadBack device = ReadBackOf(replies[0]);
    const QByteArray frame = sim.received("write").value(0);
    for (Field f :
         {Field::Callsign, Field::Path, Field::BeaconText, Field::Server2, Field::Filter}) {
      EXPECT_TRUE(frame.contains(device.at(f) + '|')) << Def(f).name;
    }
    ParameterSet expected = InitialParameters(EnglishLanguage().values);
    ApplyReadBack(device, expected, EnglishLanguage().values);
    EXPECT_EQ(frame, BuildWriteFrame(expected, EnglishLanguage().values));
  }
}

TEST_F(CliTest, AFileOfTheChineseBuildIsWrittenAsThatBuildWouldWriteIt) {
  const BuildValues& chinese = ChineseLanguage().values;
  ParameterSet params = InitialParameters(chinese);
  params.setText(Field::WorkMode, QString::fromUtf8("频道1发2收"));
  params.setText(Field::BeaconText, QString::fromUtf8("你好 VORLAN"));
  ASSERT_FALSE(
      SaveConfiguration(file("zh.json"), params, chinese, {"vorlan_setup_zh", "1.00", {}}));

  Simulator sim;
  const CliRun write = cli({"write", "--port", sim.path(), file("zh.json")});
  EXPECT_EQ(write.exitCode, 0) << write.err.toStdString();
  ASSERT_TRUE(sim.waitFor("write", 1));
  EXPECT_EQ(sim.received("write")[0], BuildWriteFrame(params, chinese));
}

TEST_F(CliTest, AFieldStoredWrongFailsVerify) {
  Simulator sim({"--fast", "--corrupt-field", "Callsign"});
  ASSERT_EQ(cli({"read", "--port", sim.path(), "-o", file("t.json")}).exitCode, 0);

  const CliRun write =
      cli({"write", "--port", sim.path(), file("t.json"), "--set", "Callsign=BG7ABC-9"});
  EXPECT_EQ(write.exitCode, 5);
  EXPECT_TRUE(
      write.err.contains("Callsign: expected \"BG7ABC-9\", the device holds \"AG7ABC-9    \""))
      << write.err.toStdString();
  EXPECT_TRUE(write.err.contains("Verify failed: 1 of 44 fields differ."));
  EXPECT_TRUE(write.out.contains("the device answered \"$4\""));

  EXPECT_EQ(cli({"write", "--port", sim.path(), file("t.json"), "--no-verify"}).exitCode, 0);
  EXPECT_EQ(cli({"verify", "--port", sim.path(), file("t.json")}).exitCode, 5);
}

TEST_F(CliTest, ASilentDeviceEndsInNoAnswerAfterTheTimeOut) {
  Simulator sim({"--fast", "--cut", "0"});
  const CliRun read = cli({"read", "--port", sim.path(), "--timeout", "0.5"});
  EXPECT_EQ(read.exitCode, 3);
  EXPECT_EQ(read.err.trimmed(),
            QStringLiteral("No answer from %1 within 0.5 s (nothing came). Check that this is the "
                           "device's port (\"vorlan_cli ports\"), that the device is switched on, "
                           "and the cable.")
                .arg(sim.path()));
  EXPECT_TRUE(backupNames().isEmpty());
}

TEST_F(CliTest, EveryReadIsBackedUpAndTheOldestGo) {
  ASSERT_TRUE(QDir().mkpath(backups()));
  for (int i = 0; i < 100; ++i) {
    QFile old(QDir(backups()).filePath(
        QStringLiteral("20200101T0000%1.000Z_OLD.json").arg(i, 2, 10, QChar('0'))));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  }
  Simulator sim;
  const CliRun read = cli({"read", "--port", sim.path()});
  ASSERT_EQ(read.exitCode, 0);
  EXPECT_TRUE(read.out.startsWith("{\n  \"format\": \"vorlan_setup configuration\","));

  const QStringList names = backupNames();
  EXPECT_EQ(names.size(), 100);
  EXPECT_FALSE(names.contains("20200101T000000.000Z_OLD.json"));
  EXPECT_TRUE(names.last().endsWith("Z_SIM1-7.json")) << names.last().toStdString();
  EXPECT_EQ(read.err.trimmed(), "Backup: " + QDir(backups()).filePath(names.last()));
  // The backup is the read: opened, it is what was printed.
  auto printed = ReadConfiguration(read.out.toUtf8(), "out", {}, EnglishLanguage().values);
  auto backup =
      OpenConfiguration(QDir(backups()).filePath(names.last()), {}, EnglishLanguage().values);
  EXPECT_EQ(std::get<OpenedConfiguration>(printed).params,
            std::get<OpenedConfiguration>(backup).params);

  EXPECT_EQ(cli({"read", "--port", sim.path(), "--no-backup"}).exitCode, 0);
  EXPECT_EQ(backupNames(), names);
}

TEST_F(CliTest, ExitCodesTellWhatWentWrong) {
  Simulator sim;
  ASSERT_EQ(cli({"read", "--port", sim.path(), "-o", file("t.json")}).exitCode, 0);
  writeFile("bad.json", R"({"format": "vorlan_setup configuration", "version": 1,
                             "parameters": {"GroupCall": "AB"}})");
  writeFile("other.json", R"({"format": "vorlan_setup configuration", "version": 1,
                               "parameters": {"Callsign": "BG7ABC-9"}})");

  struct Row {
    QStringList arguments;
    int exitCode;
    QString message;  // the start of standard error
  };
  const Row rows[] = {
      {{"read"}, 1, "\"read\" needs --port PORT."},
      {{"read", "--port", "COM31"}, 1, "--port must be COM1 to COM30 or a device path"},
      {{"write", "--port", sim.path(), file("bad.json")},
       1,
       file("bad.json") + ": parameters.GroupCall: the write would refuse it: GroupCall must "
                          "take exactly 6 bytes on the line, it takes 2"},
      {{"write", "--port", sim.path(), file("none.json")}, 1, "Cannot read " + file("none.json")},
      {{"write", "--port", sim.path(), file("t.json"), "--set", "Digipeater=1"},
       1,
       "--set Digipeater=1: a flag takes true or false."},
      {{"message", "--port", sim.path(), "--his-callsign", "A*B", "hi"},
       1,
       "Not sent: HisCallsign must not contain the character \"*\"."},
      {{"read", "--port", "/dev/no-such-port"},
       2,
       "Cannot open /dev/no-such-port: the device is not there."},
      {{"diff", file("t.json"), "device", "--port", sim.path()}, 0, ""},
      {{"diff", file("t.json"), file("other.json")},
       5,
       "43 fields are set in only one of the two and not compared.\n1 of 1 fields compared "
       "differ."},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.arguments.join(' ').toStdString());
    const CliRun run = cli(row.arguments);
    EXPECT_EQ(run.exitCode, row.exitCode);
    EXPECT_TRUE(run.err.startsWith(row.message)) << run.err.toStdString();
  }
  // Nothing refused before sending reached the device: only the reads went out.
  EXPECT_TRUE(sim.received("write").isEmpty());
  EXPECT_TRUE(sim.received("message").isEmpty());
}

// 17575 is the passcode of BG7ABC and 09424 that of W2, 28058 that of SIM1 (the simulator's
// callsign): computed outside this program with the published algorithm.
TEST_F(CliTest, PasscodeCheckAndStrictWrite) {
  EXPECT_EQ(cli({"passcode", "bg7abc-9"}).out, "17575\n");
  EXPECT_EQ(cli({"passcode", "W2"}).out, "09424\n");
  const CliRun noBase = cli({"passcode", "BG7ABCD-1"});
  EXPECT_EQ(noBase.exitCode, 1);
  EXPECT_TRUE(noBase.err.contains("there is no APRS-IS passcode for it"))
      << noBase.err.toStdString();

  writeFile("sound.json", R"({"format": "vorlan_setup configuration", "version": 1,
      "parameters": {"Callsign": "BG7ABC-9", "LoginServer": true, "LoginPassword": "17575"}})");
  writeFile("warned.json", R"({"format": "vorlan_setup configuration", "version": 1,
      "parameters": {"Callsign": "NOCALL-9", "Path": "WIDE3-3", "LoginServer": true,
                     "LoginPassword": "-1   "}})");
  const CliRun sound = cli({"check", file("sound.json")});
  EXPECT_EQ(sound.exitCode, 0);
  EXPECT_EQ(sound.out, "");
  EXPECT_TRUE(sound.err.endsWith("No findings in " + file("sound.json") + ".\n"));

  const CliRun warned = cli({"check", file("warned.json")});
  EXPECT_EQ(warned.exitCode, 6);
  EXPECT_EQ(
      warned.out.split('\n', Qt::SkipEmptyParts),
      (QStringList{"Callsign: warning: NOCALL stands for a station not set up yet: APRS-IS "
                   "refuses it and digipeaters drop its packets. Put in your own callsign.",
                   "LoginPassword: note: \"-1\" logs in read-only: the server sends to the "
                   "tracker but takes nothing from it.",
                   "Path: warning: With \"WIDE3-3\" the path asks for 3 hops, more than "
                   "WIDE2-2 (2 hops): it floods the network, and many digipeaters drop it."}));
  EXPECT_TRUE(warned.err.contains("sets 4 of 44 fields")) << warned.err.toStdString();
  EXPECT_TRUE(warned.err.endsWith("2 warnings in " + file("warned.json") + ".\n"));

  const CliRun json = cli({"check", file("warned.json"), "--json"});
  EXPECT_EQ(json.exitCode, 6);
  const QJsonObject report = QJsonDocument::fromJson(json.out.toUtf8()).object();
  EXPECT_EQ(report["warnings"].toInt(), 2);
  EXPECT_EQ(report["notes"].toInt(), 1);
  const QJsonObject path = report["findings"].toArray()[2].toObject();
  EXPECT_EQ(path["field"].toString(), "Path");
  EXPECT_EQ(path["severity"].toString(), "warning");
  EXPECT_EQ(path["id"].toString(), "path-too-many-hops");
  EXPECT_EQ(path["values"].toArray(), (QJsonArray{"WIDE3-3", "3"}));

  Simulator sim;
  const CliRun device = cli({"check", "device", "--port", sim.path(), "--no-backup"});
  EXPECT_EQ(device.exitCode, 6);
  EXPECT_EQ(device.out,
            "LoginPassword: warning: This is not the APRS-IS passcode of SIM1: the "
            "server takes the tracker as unverified and drops what it sends.\n");

  const CliRun strict = cli({"write", "--port", sim.path(), file("warned.json"), "--strict"});
  EXPECT_EQ(strict.exitCode, 6);
  EXPECT_TRUE(strict.err.contains("Path: warning: With \"WIDE3-3\""));
  EXPECT_TRUE(strict.err.endsWith("Not written: 2 warnings (--strict).\n"));
  EXPECT_TRUE(sim.received("write").isEmpty());

  const CliRun written = cli({"write", "--port", sim.path(), file("warned.json")});
  EXPECT_EQ(written.exitCode, 0) << written.err.toStdString();
  EXPECT_TRUE(written.err.contains("Path: warning: With \"WIDE3-3\""));
  ASSERT_TRUE(sim.waitFor("write", 1));
  EXPECT_TRUE(sim.received("write")[0].contains("&NOCALL-9|WIDE3-3|"));
}

TEST_F(CliTest, ADeviceRefusalIsExitFour) {
  Simulator refusing({"--fast", "--wrong-kind", "5"});
  const CliRun read = cli({"read", "--port", refusing.path()});
  EXPECT_EQ(read.exitCode, 4);
  EXPECT_TRUE(read.err.startsWith(refusing.path() + " answered the read request with \"$5\""))
      << read.err.toStdString();
  EXPECT_EQ(cli({"about", "--port", refusing.path()}).exitCode, 4);
}

TEST_F(CliTest, TheLogHoldsTheExchange) {
  Simulator sim;
  ASSERT_EQ(cli({"about", "--port", sim.path(), "--log", file("x.log")}).exitCode, 0);
  QFile log(file("x.log"));
  ASSERT_TRUE(log.open(QIODevice::ReadOnly));
  const QStringList lines = QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
  ASSERT_GE(lines.size(), 3);
  EXPECT_TRUE(lines[0].endsWith(" -- opened " + sim.path()));
  EXPECT_TRUE(lines[1].endsWith(" -> 24 33 23 | $3#")) << lines[1].toStdString();
  EXPECT_TRUE(lines[2].contains(" <- 24 36 ")) << lines[2].toStdString();
  EXPECT_TRUE(lines[0].contains(
      QRegularExpression("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\.\\d{3}Z ")));
}

}  // namespace
}  // namespace vorlan::test

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
