// A file's values are the user's, judged before they reach the line, unless they are provably the
// device's: still as the read-back they were saved from, or what the device holds now. A backup
// opens, checks and compares whatever the device held; only sending may refuse, naming the field.
// --set takes a value by the rules of a file.

#include <gtest/gtest.h>

#include <QRegularExpression>

#include "cli_fixture.h"
#include "link/device_text.h"
#include "read_back.h"
#include "simulator.h"

namespace vorlan::test {
namespace {

// A sound device read-back with some fields replaced, each padded with blanks to its span.
QByteArray DeviceHolding(const HeldValues& held) {
  HeldValues values = {{"WorkMode", "1"}, {"Callsign", "SIM1-7"}, {"Path", "WIDE1-1"}};
  values.insert(values.end(), held.begin(), held.end());
  return SoundReadBack(values);
}

// A script that answers `reads` reads with the read-back, then takes one write.
QByteArray Answering(const QByteArray& readBack, int reads, bool write) {
  const QByteArray answer = "expect read\nsend " + readBack.toHex(' ') + '\n';
  return answer.repeated(reads) + (write ? "expect write\nsend \"$4\" 3*\" \"\n" : "");
}

QString Edited(QString text, const QString& field, const QString& value) {
  const QRegularExpression member(QStringLiteral("\"%1\": [^\\n]*?(,?)\\n").arg(field));
  return text.replace(member, QStringLiteral("\"%1\": \"%2\"\\1\n").arg(field, value));
}

TEST_F(CliTest, AHandEditedBackupIsJudgedBeforeItReachesTheLine) {
  Simulator sim;
  ASSERT_EQ(cli({"read", "--port", sim.path(), "-o", file("backup.json")}).exitCode, 0);
  QFile saved(file("backup.json"));
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  const QString backup = QString::fromUtf8(saved.readAll());
  ASSERT_TRUE(backup.contains("\"readFrom\": {"));

  const QString noProof =
      QString(backup).replace(QRegularExpression("\"readFrom\": \\{[^}]*\\}"), "\"readFrom\": {}");
  const struct {
    QString text;
    QString refused;  // the field, and what the write says of it
  } rows[] = {
      {Edited(backup, "TxDelay", "3O"),
       "TxDelay: the write would refuse it: TxDelay must be digits "
       "0-9 only, not \"3O\""},
      {Edited(backup, "Latitude", "9999.99X"),
       "Latitude: the write would refuse it: Latitude must be DDMM.mm followed by N or S, degrees "
       "0-90 and minutes below 60, as in 2300.00N, not \"9999.99X\""},
      {Edited(backup, "Channel1Freq", "144,640"),
       "Channel1Freq: the write would refuse it: Channel1Freq must be a frequency in MHz of the "
       "form ddd.ddd, as in 144.640, not \"144,640\""},
      {Edited(noProof, "TxDelay", "3O"),
       "TxDelay: the write would refuse it: TxDelay must be "
       "digits 0-9 only, not \"3O\""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.refused.toStdString());
    writeFile("edited.json", row.text.toUtf8());
    const CliRun write = cli({"write", "--port", sim.path(), file("edited.json")});
    EXPECT_EQ(write.exitCode, 1);
    EXPECT_EQ(write.err.trimmed(), file("edited.json") + ": parameters." + row.refused);
  }
  EXPECT_TRUE(sim.received("write").isEmpty());

  // Another value edited: only that one is the user's, the rest still the device's.
  writeFile("callsign.json", Edited(backup, "Callsign", "BG7ABC-9").toUtf8());
  const CliRun write = cli({"write", "--port", sim.path(), file("callsign.json")});
  EXPECT_EQ(write.exitCode, 0) << write.err.toStdString();
  ASSERT_TRUE(sim.waitFor("write", 1));
  EXPECT_TRUE(sim.received("write")[0].contains("&BG7ABC-9|"));
}

// The device holds a TX delay " 5" that no user may give: a file that says the same is the
// device's value, whatever else it changes; another such value is refused by write, compared by
// diff.
TEST_F(CliTest, AValueTheDeviceHoldsNowIsTheDevicesOwn) {
  const QByteArray readBack = DeviceHolding({{"TxDelay", " 5"}});
  writeFile("device.script", Answering(readBack, 2, false) + Answering(readBack, 1, true));
  Simulator sim({"--fast", "--script", file("device.script")});
  auto plainFile = [](const char* txDelay) {
    return QByteArray(R"({"format": "vorlan_setup configuration", "version": 1,
                         "parameters": {"Callsign": "BG7ABC-9", "TxDelay": ")") +
           txDelay + "\"}}";
  };

  writeFile("other.json", plainFile(" 6"));
  const CliRun refused = cli({"write", "--port", sim.path(), file("other.json"), "--no-verify"});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_EQ(refused.err.trimmed(), file("other.json") +
                                       ": parameters.TxDelay: the write would refuse it: TxDelay "
                                       "must be digits 0-9 only, not \" 6\"");

  // Comparing sends nothing and judges nothing.
  const CliRun diff = cli({"diff", file("other.json"), "device", "--port", sim.path()});
  EXPECT_EQ(diff.exitCode, 5) << diff.err.toStdString();
  EXPECT_TRUE(diff.out.contains("-TxDelay: \" 6\"\n+TxDelay: \" 5\"")) << diff.out.toStdString();

  writeFile("same.json", plainFile(" 5"));
  const CliRun write = cli({"write", "--port", sim.path(), file("same.json"), "--no-verify"});
  EXPECT_EQ(write.exitCode, 0) << write.err.toStdString();
  ASSERT_TRUE(sim.waitFor("write", 1));
  EXPECT_EQ(sim.received("write").size(), 1);
  EXPECT_TRUE(sim.received("write")[0].contains("0040 52300.00N"))
      << sim.received("write")[0].toStdString();
}

// A GB18030 character whose second byte is "|" in the device's Path: the device may hold it, the
// tool may not send it, as it would cut the frame.
TEST_F(CliTest, ABackupOfAPathHoldingADelimiterByteOpensEverywhereAndIsNotSent) {
  const QByteArray readBack = DeviceHolding({{"Path", "\xfe\x7c"}});
  writeFile("path.script", Answering(readBack, 3, false));
  Simulator sim({"--fast", "--script", file("path.script")});
  ASSERT_EQ(cli({"read", "--port", sim.path(), "-o", file("path.json")}).exitCode, 0);

  // "fe 7c" is one character whose second byte is "|".
  const QString character = DecodeDeviceText("\xfe\x7c");
  const CliRun check = cli({"check", file("path.json")});
  EXPECT_EQ(check.exitCode, 7) << check.err.toStdString();
  EXPECT_TRUE(check.out.startsWith("Path: warning: \"" + character + "\" is neither"))
      << check.out.toStdString();

  const CliRun diff = cli({"diff", file("path.json"), "device", "--port", sim.path()});
  EXPECT_EQ(diff.exitCode, 0) << diff.err.toStdString();
  EXPECT_TRUE(diff.out.contains("hold the same settings (44 fields compared)"));

  const CliRun write = cli({"write", "--port", sim.path(), file("path.json")});
  EXPECT_EQ(write.exitCode, 1);
  EXPECT_TRUE(write.err.trimmed().endsWith("\nNot written: Path must not contain the character \"" +
                                           character + "\"."))
      << write.err.toStdString();
  ASSERT_TRUE(sim.waitFor("read", 3));
  EXPECT_TRUE(sim.received("write").isEmpty());
}

// One rule for a value of a file and of --set: a work mode is one byte, "0" to "4" or the device's
// own code; a server enable takes the device's code a file takes ("2").
TEST_F(CliTest, SetTakesAValueByTheRulesOfAFile) {
  Simulator sim;
  ASSERT_EQ(cli({"read", "--port", sim.path(), "-o", file("t.json")}).exitCode, 0);
  const QString workMode =
      ": WorkMode takes a code 0 to 4, one digit, or the device's own code of one byte.";
  const struct {
    QString set;
    QString refused;     // standard error; empty: written
    QByteArray columns;  // then: the byte in the work mode (59) or Server1Enable (64) column
  } rows[] = {
      {"WorkMode= 3", "--set WorkMode= 3" + workMode, ""},
      {"WorkMode=+2", "--set WorkMode=+2" + workMode, ""},
      {"WorkMode=03", "--set WorkMode=03" + workMode, ""},
      {"WorkMode=", "--set WorkMode=" + workMode, ""},
      {"Server1Enable=yes",
       "--set Server1Enable=yes: Server1Enable takes true or false, or the device's own code of "
       "one byte (\"2\").",
       ""},
      {"Digipeater=2", "--set Digipeater=2: a flag takes true or false.", ""},
      {"WorkMode=3", "", "3"},
      {"Server1Enable=2", "", "1"},
      {"Server1Enable=0", "", "0"},
  };
  int written = 0;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.set.toStdString());
    const CliRun run =
        cli({"write", "--port", sim.path(), file("t.json"), "--no-verify", "--set", row.set});
    if (!row.refused.isEmpty()) {
      EXPECT_EQ(run.exitCode, 1);
      EXPECT_EQ(run.err.trimmed(), row.refused);
      continue;
    }
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    ASSERT_TRUE(sim.waitFor("write", ++written));
    const QByteArray frame = sim.received("write").value(written - 1);
    const int column = row.set.startsWith("WorkMode") ? 59 : 64;
    EXPECT_EQ(frame.mid(column - 1, 1), row.columns) << frame.toStdString();
  }
  EXPECT_EQ(sim.received("write").size(), written);
}

}  // namespace
}  // namespace vorlan::test
