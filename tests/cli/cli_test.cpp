// vorlan_cli as a user runs it, against the device simulator on a pseudo-terminal: a read written
// back byte for byte with every filler and with codes outside the tool's tables, a file of the
// Chinese build, a planted mismatch, a silent device, backups and their failure, output that
// cannot be written, two commands back to back, the exit codes, the exchange log, the APRS check
// and the passcode.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "cli_fixture.h"
#include "config/config_reader.h"
#include "config/config_writer.h"
#include "link/reply.h"
#include "link/write_frame.h"
#include "params/field_table.h"
#include "params/presets.h"
#include "read_back.h"
#include "simulator.h"

namespace vorlan::test {
namespace {

// The read-back a reply holds.
vorlan::ReadBack ReadBackOf(const QByteArray& reply) {
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
    const vorlan::ReadBack device = ReadBackOf(replies[0]);
    const QByteArray frame = sim.received("write").value(0);
    for (Field f :
         {Field::Callsign, Field::Path, Field::BeaconText, Field::Server2, Field::Filter}) {
      EXPECT_TRUE(frame.contains(device.at(f) + '|')) << Def(f).name;
    }
    ParameterSet expected = InitialParameters(kRotateServers);
    ApplyReadBack(device, expected);
    EXPECT_EQ(frame, BuildWriteFrame(expected));
  }
}

TEST_F(CliTest, AFileOfTheChineseBuildIsWrittenAsThatBuildWouldWriteIt) {
  ParameterSet params = InitialParameters(kAsiaServers);
  params.setWorkMode('4');
  params.setText(Field::BeaconText, QString::fromUtf8("你好 VORLAN"));
  ASSERT_FALSE(SaveConfiguration(file("zh.json"), params, {"vorlan_setup_zh", "1.00", {}}));

  Simulator sim;
  const CliRun write = cli({"write", "--port", sim.path(), file("zh.json")});
  EXPECT_EQ(write.exitCode, 0) << write.err.toStdString();
  ASSERT_TRUE(sim.waitFor("write", 1));
  EXPECT_EQ(sim.received("write")[0], BuildWriteFrame(params));
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
  auto printed = ReadConfiguration(read.out.toUtf8(), "out", {});
  auto backup = OpenConfiguration(QDir(backups()).filePath(names.last()), {});
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
  ASSERT_EQ(::mkfifo(file("fifo").toLocal8Bit().constData(), 0600), 0);
  const Row rows[] = {
      {{"read"}, 1, "\"read\" needs --port PORT."},
      {{"read", "--port", "COM31"}, 1, "--port must be COM1 to COM30, a device path or auto"},
      {{"ports", "--probe", "--wait"}, 1, "\"ports\" takes --probe or --wait, not both."},
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
      {{"instruction", "--port", sim.path(), "--callsign", "AB", "@C"},
       1,
       "Not sent: Instruction must not contain the character \"@\"."},
      {{"message", "--port", sim.path(), QString::fromUtf8("😀").repeated(150)},
       1,
       "Not sent: Message takes at most 150 bytes on the line, it takes 600."},
      {{"write", "--port", sim.path(), file("t.json"), "--set", "Latitude=9999.99Z"},
       1,
       "--set: parameters.Latitude: the write would refuse it: Latitude must be DDMM.mm followed "
       "by N or S, degrees 0-90 and minutes below 60, as in 2300.00N, not \"9999.99Z\""},
      {{"write", "--port", sim.path(), file("t.json"), "--set", "TxDelay=zz"},
       1,
       "--set: parameters.TxDelay: the write would refuse it: TxDelay must be digits 0-9 only"},
      {{"read", "--port", sim.path(), "--timeout", "3601"},
       1,
       "--timeout takes at most 3600 seconds."},
      {{"read", "--port", sim.path(), "-o", file("fifo")},
       1,
       file("fifo") + " is not a regular file"},
      {{"diff", file("t.json"), "/dev/zero"}, 1, "/dev/zero is not a regular file"},
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
  EXPECT_TRUE(sim.received("instruction").isEmpty());
  EXPECT_FALSE(QFileInfo(file("fifo")).isFile());  // not replaced
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
  EXPECT_EQ(warned.exitCode, 7);
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
  EXPECT_EQ(json.exitCode, 7);
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
  EXPECT_EQ(device.exitCode, 7);
  EXPECT_EQ(device.out,
            "LoginPassword: warning: This is not the APRS-IS passcode of SIM1: the "
            "server takes the tracker as unverified and drops what it sends.\n");

  const CliRun strict = cli({"write", "--port", sim.path(), file("warned.json"), "--strict"});
  EXPECT_EQ(strict.exitCode, 7);
  EXPECT_TRUE(strict.err.contains("Path: warning: With \"WIDE3-3\""));
  EXPECT_TRUE(strict.err.endsWith("Not written: 2 warnings (--strict).\n"));
  EXPECT_TRUE(sim.received("write").isEmpty());

  const CliRun written = cli({"write", "--port", sim.path(), file("warned.json")});
  EXPECT_EQ(written.exitCode, 0) << written.err.toStdString();
  EXPECT_TRUE(written.err.contains("Path: warning: With \"WIDE3-3\""));
  ASSERT_TRUE(sim.waitFor("write", 1));
  EXPECT_TRUE(sim.received("write")[0].contains("&NOCALL-9|WIDE3-3|"));
}

TEST_F(CliTest, ARefusalAndGarbledBytesHaveExitCodesOfTheirOwn) {
  Simulator refusing({"--fast", "--wrong-kind", "5"});
  const CliRun read = cli({"read", "--port", refusing.path()});
  EXPECT_EQ(read.exitCode, 4);
  EXPECT_TRUE(read.err.startsWith(refusing.path() + " answered the read request with \"$5\""))
      << read.err.toStdString();
  EXPECT_EQ(cli({"about", "--port", refusing.path()}).exitCode, 4);

  for (const QStringList& garbling : {QStringList{"--noise", "4"}, QStringList{"--wrong-lead"}}) {
    Simulator garbled(QStringList{"--fast"} + garbling);
    const CliRun run = cli({"read", "--port", garbled.path()});
    EXPECT_EQ(run.exitCode, 6) << garbling.join(' ').toStdString();
    EXPECT_TRUE(run.err.contains("with bytes that do not start with \"$\""))
        << run.err.toStdString();
  }
}

// A device that holds a work mode "7" and a Server1Enable "9", which the tool has no entry for.
QByteArray ReadBackWithCodesOutsideTheTables() {
  return SoundReadBack({{"WorkMode", "7"},
                        {"Server1Enable", "9"},
                        {"Server2Enable", "2"},
                        {"Callsign", "CODES-7"},
                        {"Filter", "m/50"}});
}

TEST_F(CliTest, CodesOutsideTheTablesReachFilesBackupsDiffAndTheWireAsTheyCame) {
  // The simulator as a device refuses such codes in a frame; this one takes them back ("$4").
  const QByteArray send = "send " + ReadBackWithCodesOutsideTheTables().toHex(' ') + '\n';
  const QByteArray written = "expect write\nsend \"$4\" 3*\" \"\n";
  writeFile("codes.script", "expect read\n" + send +                // read
                                "expect read\n" + send + written +  // write
                                "expect read\n" + send +            // its verify
                                "expect read\n" + send +            // diff
                                "expect read\n" + send + written);  // the template
  writeFile("template.json", R"({"format": "vorlan_setup configuration", "version": 1,
                                 "parameters": {"Callsign": "BG7ABC-9"}})");
  Simulator sim({"--fast", "--script", file("codes.script")});

  ASSERT_EQ(cli({"read", "--port", sim.path(), "-o", file("codes.json")}).exitCode, 0);
  const CliRun write = cli({"write", "--port", sim.path(), file("codes.json")});
  EXPECT_EQ(write.exitCode, 0) << write.err.toStdString();
  EXPECT_TRUE(write.out.contains("Verified: all 44 fields match."));
  const CliRun diff = cli({"diff", file("codes.json"), "device", "--port", sim.path()});
  EXPECT_EQ(diff.exitCode, 0) << diff.out.toStdString() << diff.err.toStdString();
  EXPECT_TRUE(diff.out.contains("hold the same settings (44 fields compared)"));
  EXPECT_EQ(cli({"write", "--port", sim.path(), file("template.json"), "--no-verify"}).exitCode, 0);

  // Both writes put "7" and "9" back in their columns (59 and 64); Server2Enable "2" is on.
  ASSERT_TRUE(sim.waitFor("write", 2));
  for (const QByteArray& frame : sim.received("write")) {
    EXPECT_EQ(frame.mid(58, 7), "7[xxx92") << frame.toStdString();
  }
  EXPECT_TRUE(sim.received("write").value(1).contains("&BG7ABC-9|"));

  // The backups hold the codes; the one before each write is named apart.
  const QStringList names = backupNames();
  ASSERT_FALSE(names.isEmpty());
  for (const QString& name : names) {
    EXPECT_TRUE(backupText(name).contains("\"WorkMode\": \"7\"\n")) << name.toStdString();
    EXPECT_TRUE(backupText(name).contains("\"Server1Enable\": \"9\",")) << name.toStdString();
  }
  EXPECT_EQ(names.filter(".before-write.json").size(), 2);
  EXPECT_TRUE(write.out.contains("Backup before the write: " + backups()));
  EXPECT_TRUE(write.out.contains("Backup after the write: " + backups()));
}

// The backup is the way back from a write: without it nothing is written, and the system says why.
TEST_F(CliTest, AWriteStopsBeforeSendingWhenItsBackupCannotBeSaved) {
  writeFile("t.json", R"({"format": "vorlan_setup configuration", "version": 1,
                          "parameters": {"Callsign": "BG7ABC-9"}})");
  QFile blocker(home.filePath("vorlan_setup"));  // a file where the data folder belongs
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  Simulator sim;

  const CliRun write = cli({"write", "--port", sim.path(), file("t.json")});
  EXPECT_EQ(write.exitCode, 1);
  EXPECT_TRUE(
      write.err.startsWith("Nothing was written: the backup before the write failed: "
                           "Cannot make the folder " +
                           backups() + " for you alone: "))
      << write.err.toStdString();
  EXPECT_TRUE(write.err.contains("--no-backup"));
  EXPECT_TRUE(sim.received("write").isEmpty());

  EXPECT_EQ(cli({"write", "--port", sim.path(), file("t.json"), "--no-backup"}).exitCode, 0);
  EXPECT_EQ(sim.received("write").size(), 1);
}

TEST_F(CliTest, ResultsGoOutWholeOrTheCommandFails) {
  writeFile("about.script", "expect about\nsend \"$6\" \"ABC\" 3*00 94*\"x\"\n");
  Simulator scripted({"--fast", "--script", file("about.script")});
  const CliRun about = cli({"about", "--port", scripted.path()});
  EXPECT_EQ(about.exitCode, 0);
  EXPECT_EQ(about.out.toUtf8(), QByteArray("ABC\0\0\0", 6) + QByteArray(94, 'x') + '\n');

  Simulator sim;
  for (const char* command : {"about", "read"}) {
    const CliRun run = cli({command, "--port", sim.path()}, {}, "/dev/full");
    EXPECT_EQ(run.exitCode, 1) << command;
    EXPECT_TRUE(
        run.err.trimmed().endsWith("Cannot write to standard output: No space left on device"))
        << run.err.toStdString();
  }
  const CliRun dash = cli({"read", "--port", sim.path(), "-o", "-"});
  EXPECT_EQ(dash.exitCode, 0);
  EXPECT_TRUE(dash.out.startsWith("{\n  \"format\": \"vorlan_setup configuration\","));
  EXPECT_FALSE(QFileInfo::exists("-"));
}

// The message frame has no end mark: the device ends it at the quiet after it. A read run straight
// after it must reach the device as a request of its own.
TEST_F(CliTest, TwoCommandsBackToBackReachTheDeviceAsTwoRequests) {
  Simulator sim;
  for (int i = 0; i < 3; ++i) {
    ASSERT_EQ(cli({"message", "--port", sim.path(), "hello there"}).exitCode, 0);
    const CliRun read = cli({"read", "--port", sim.path()});
    EXPECT_EQ(read.exitCode, 0) << read.err.toStdString();
  }
  EXPECT_EQ(sim.received("message"), QList<QByteArray>(3, "*@NOCALL*hello there"));
  EXPECT_EQ(sim.received("read").size(), 3);
}

// The ports the user pinned, as COM numbers: the listing, asking them, and --port auto.
TEST_F(CliTest, PortsAreListedAskedAndFoundByAuto) {
  Simulator silent({"--fast", "--cut", "0"}), tracker, second;
  const QMap<QString, QString> one = {{"VORLAN_COM3", silent.path()},
                                      {"VORLAN_COM7", tracker.path()}};
  const QString silentLine = "COM3 -> " + silent.path() + " (VORLAN_COM3)";
  const QString trackerLine = "COM7 -> " + tracker.path() + " (VORLAN_COM7)";
  const QString about =
      "VORLAN device simulator 1.0 - it answers Read, Write, About and remote instructions; 9600 "
      "baud, 8N1.";

  const CliRun list = cli({"ports"}, one);
  EXPECT_EQ(list.exitCode, 0);
  EXPECT_TRUE(list.out.contains(silentLine + '\n' + trackerLine + '\n')) << list.out.toStdString();

  const CliRun probe = cli({"ports", "--probe", "--timeout", "0.4"}, one);
  EXPECT_EQ(probe.exitCode, 0) << probe.err.toStdString();
  EXPECT_TRUE(probe.out.endsWith(silentLine + ": no answer within 0.4 s\n" + trackerLine +
                                 ": answered \"" + about + "\"\nThe device is on COM7 (" +
                                 tracker.path() + ").\n"))
      << probe.out.toStdString();
  EXPECT_TRUE(probe.err.contains("Asking " + silentLine + " ...\nAsking " + trackerLine));

  const CliRun read =
      cli({"read", "--port", "auto", "--timeout", "0.4", "-o", file("a.json")}, one);
  EXPECT_EQ(read.exitCode, 0) << read.err.toStdString();
  EXPECT_TRUE(read.out.contains("The device answered on " + trackerLine + ".\nBackup: "));
  EXPECT_TRUE(read.out.contains("Read COM7 (" + tracker.path() + "): saved to " + file("a.json")));
  EXPECT_EQ(tracker.received("read").size(), 1);
  EXPECT_EQ(silent.received("read").size(), 0);

  // Two devices, or none: no choice is made, the port error lists what each did.
  const QMap<QString, QString> two = {{"VORLAN_COM7", tracker.path()},
                                      {"VORLAN_COM8", second.path()}};
  const CliRun several = cli({"about", "--port", "auto"}, two);
  EXPECT_EQ(several.exitCode, 2);
  EXPECT_TRUE(several.err.endsWith(
      "Several ports answered as the device does; give one with --port. Asked:\n  " + trackerLine +
      ": answered \"" + about + "\"\n  COM8 -> " + second.path() + " (VORLAN_COM8): answered \"" +
      about + "\"\n"))
      << several.err.toStdString();
  const CliRun none =
      cli({"ports", "--probe", "--timeout", "0.3"}, {{"VORLAN_COM3", silent.path()}});
  EXPECT_EQ(none.exitCode, 2);
  EXPECT_TRUE(none.err.endsWith("No port answered as the device does. Asked:\n  " + silentLine +
                                ": no answer within 0.3 s\n"))
      << none.err.toStdString();
  EXPECT_TRUE(second.received("read").isEmpty());
}

// ports --wait prints the port that appears: here a pinned path that comes to lead to a device.
TEST_F(CliTest, PortsWaitPrintsThePortThatAppears) {
  Simulator sim;
  const QString link = file("tracker");
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("VORLAN_COM9", link);
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral(VORLAN_CLI), {"ports", "--wait"});
  ASSERT_TRUE(process.waitForStarted());
  ASSERT_TRUE(WaitUntil(
      [&] { return process.canReadLine() || !process.readAllStandardError().isEmpty(); }));
  Pump(400);  // the watch has looked at least once
  ASSERT_TRUE(QFile::link(sim.path(), link));
  ASSERT_TRUE(WaitUntil([&] { return process.state() == QProcess::NotRunning; }));
  EXPECT_EQ(process.exitCode(), 0);
  EXPECT_EQ(QString::fromUtf8(process.readAllStandardOutput()),
            "COM9 -> " + link + " (VORLAN_COM9)\n");
  EXPECT_TRUE(sim.received("about").isEmpty());  // nothing is sent

  const CliRun nothing =
      cli({"ports", "--wait", "--timeout", "0.3"}, {{"VORLAN_COM9", file("none")}});
  EXPECT_EQ(nothing.exitCode, 3);
  EXPECT_TRUE(nothing.err.endsWith("No new port appeared within 0.3 s.\n"))
      << nothing.err.toStdString();
}

TEST_F(CliTest, TheLogHoldsTheExchange) {
  Simulator sim;
  ASSERT_EQ(cli({"about", "--port", sim.path(), "--log", file("x.log")}).exitCode, 0);
  QFile log(file("x.log"));
  ASSERT_TRUE(log.open(QIODevice::ReadOnly));
  const QStringList lines = QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
  ASSERT_GE(lines.size(), 4);
  EXPECT_TRUE(lines[0].contains(" -- vorlan_cli ")) << lines[0].toStdString();
  EXPECT_TRUE(lines[1].endsWith(" -- opened " + sim.path()));
  EXPECT_TRUE(lines[2].endsWith(" -> 24 33 23 | $3#")) << lines[2].toStdString();
  EXPECT_TRUE(lines[3].contains(" <- 24 36 ")) << lines[3].toStdString();
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
