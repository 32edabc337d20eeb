// Which of a file's values are the device's own: those still as the read-back they were saved
// from; every other value is the user's and judged. A value whose bytes would cut the frame opens
// and is refused only when sent. A raw control character inside a JSON string is no JSON.

#include <gtest/gtest.h>

#include "config/config_reader.h"
#include "config/config_writer.h"
#include "link/write_frame.h"
#include "params/presets.h"

namespace vorlan {
namespace {

// A device's values that no user may give: a TX delay " 5", a latitude "abcdefgh", a frequency
// "999.999", saved as the backup of their read-back.
QByteArray Backup() {
  ParameterSet device = InitialParameters(kRotateServers);
  device.setText(Field::TxDelay, " 5");
  device.setText(Field::Latitude, "abcdefgh");
  device.setText(Field::Channel1Freq, "999.999");
  const QDateTime time(QDate(2026, 12, 7), QTime(3, 15), Qt::UTC);
  return ConfigurationText(device, {"vorlan_test", "9.9", time, ReadOrigin{"COM1", {}, time}});
}

QByteArray Replaced(QByteArray text, const QByteArray& before, const QByteArray& after) {
  EXPECT_TRUE(text.contains(before)) << before.toStdString();
  return text.replace(before, after);
}

TEST(DeviceValuesProof, OnlyValuesAsTheReadBackHeldThemGoUnjudged) {
  const QByteArray backup = Backup();
  const QByteArray noDigest = Replaced(backup, "\"digest\": \"", "\"note\": \"");
  const struct {
    QByteArray file;
    QString refused;  // the key; empty: opens
  } rows[] = {
      {backup, ""},
      {Replaced(backup, R"("Callsign": "NOCALL-9")", R"("Callsign": "BG7ABC-9")"), ""},
      {Replaced(backup, R"("TxDelay": " 5")", R"("TxDelay": "3O")"), "parameters.TxDelay"},
      {Replaced(backup, R"("Latitude": "abcdefgh")", R"("Latitude": "9999.99X")"),
       "parameters.Latitude"},
      {Replaced(backup, R"("Channel1Freq": "999.999")", R"("Channel1Freq": "144,640")"),
       "parameters.Channel1Freq"},
      // Without its digest, or with one that is none, a backup proves nothing.
      {noDigest, "parameters.TxDelay"},
      {Replaced(backup, "\"digest\": \"", "\"digest\": \"0"), "parameters.TxDelay"},
      {R"({"format": "vorlan_setup configuration", "version": 1, "readFrom": {},
           "parameters": {"TxDelay": "3O"}})",
       "parameters.TxDelay"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.file.toStdString());
    const auto opened = ReadConfiguration(row.file, "backup.json", {});
    if (row.refused.isEmpty()) {
      EXPECT_TRUE(std::holds_alternative<OpenedConfiguration>(opened));
      continue;
    }
    ASSERT_TRUE(std::holds_alternative<ConfigProblem>(opened));
    const ConfigProblem& problem = std::get<ConfigProblem>(opened);
    EXPECT_EQ(problem.kind, ConfigProblem::Kind::WriteRefusal);
    EXPECT_EQ(problem.key, row.refused);
    ASSERT_TRUE(problem.refusal);
    EXPECT_EQ(problem.refusal->rule, Refusal::Rule::WrongForm);
  }
}

// A "|", "&" or "#" byte in a value (a device may hold one, as the second byte of a GB18030
// character) opens; the write alone refuses it, naming the field.
TEST(DeviceValuesProof, AValueThatWouldCutTheFrameOpensAndIsNotSent) {
  const std::pair<QByteArray, Refusal> rows[] = {
      {R"("Filter": "m/50|x")", {Field::Filter, Refusal::Rule::Delimiter, 0, 0, "|"}},
      {R"("Path": "\u4e85")", {Field::Path, Refusal::Rule::Delimiter, 0, 0, "\u4e85"}},
      {R"("Server1Enable": "#")", {Field::Server1Enable, Refusal::Rule::Delimiter, 0, 0, "#"}},
  };
  for (const auto& [member, refusal] : rows) {
    SCOPED_TRACE(member.toStdString());
    const QByteArray file =
        R"({"format": "vorlan_setup configuration", "version": 1, "parameters": {)" + member + "}}";
    const auto opened = ReadConfiguration(file, "cut.json", InitialParameters(kRotateServers));
    ASSERT_TRUE(std::holds_alternative<OpenedConfiguration>(opened));
    const auto request = WriteRequest(std::get<OpenedConfiguration>(opened).params);
    ASSERT_TRUE(std::holds_alternative<Refusal>(request));
    EXPECT_EQ(std::get<Refusal>(request), refusal);
  }
}

TEST(DeviceValuesProof, ARawControlCharacterInAStringIsNoJson) {
  const QByteArray head = R"({"format": "vorlan_setup configuration", "version": 1, )";
  const struct {
    QByteArray rest;
    qint64 at;  // the byte, counted from 1 after `head`; 0: opens
  } rows[] = {
      {"\"parameters\": {\"Path\": \"WIDE1-1\x07\"}}", 32},
      {"\"parameters\": {\"Path\": \"a\x1f\"}}", 26},
      {QByteArray("\"parameters\": {\"Path\": \"a\0\"}}", 29), 26},
      {"\"parameters\": {\"Path\": \"a\nb\"}}", 26},
      {"\"parameters\": {\"Pa\tth\": \"a\"}}", 19},
      // Escaped, as JSON wants it; and blanks, tabs and line ends between the values.
      {"\"parameters\":\t{\n\"Path\": \"WIDE1-1\\u0007\\n\"}}", 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.rest.toStdString());
    const auto opened = ReadConfiguration(head + row.rest, "raw.json", {});
    if (row.at == 0) {
      EXPECT_TRUE(std::holds_alternative<OpenedConfiguration>(opened));
      continue;
    }
    ASSERT_TRUE(std::holds_alternative<ConfigProblem>(opened));
    EXPECT_EQ(std::get<ConfigProblem>(opened).kind, ConfigProblem::Kind::NotJson);
    EXPECT_EQ(std::get<ConfigProblem>(opened).found, head.size() + row.at);
  }
}

}  // namespace
}  // namespace vorlan
