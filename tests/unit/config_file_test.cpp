// The configuration file: every field type and every filler byte back to the same frame bytes, a
// file of one build opened by the other, every refusal of a bad file, unknown keys, missing fields.

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "config/config_reader.h"
#include "config/config_writer.h"
#include "link/device_text.h"
#include "link/reply.h"
#include "link/write_frame.h"
#include "params/field_table.h"
#include "params/presets.h"
#include "read_back.h"

namespace vorlan {
namespace {

const SaveInfo kInfo{"vorlan_test", "9.9", QDateTime(QDate(2026, 12, 7), QTime(3, 15), Qt::UTC)};

// A device read-back, every text padded with the filler; a Chinese beacon text and a callsign whose
// last byte is a GB18030 lead byte cut from its character, a path with a control character.
QByteArray DeviceReadBack(char filler) {
  test::ReadBack r;
  for (int i = 0; i < test::kFlagSpans; ++i) {
    r.set(test::kReadBackSpans[i].field, i % 3 ? "1" : "0");
  }
  const std::pair<std::string_view, QByteArray> texts[] = {
      {"GroupCall", "NOGROU"},
      {"Password", "480271"},
      {"DigiNumber", "000"},
      {"TimedTx", "00"},
      {"TxInterval", "40"},
      {"TxDelay", "30"},
      {"Latitude", "2300.00N"},
      {"Longitude", "11300.00E"},
      {"Channel1Freq", "144.640"},
      {"Channel2Freq", "144.390"},
      {"TxCtcss", "00"},
      {"RxCtcss", "00"},
      {"SymbolCode", "["},
      {"SendInterval", "20"},
      {"LoginPassword", "50713"},
      {"Callsign", "SIM1-7\xb0"},
      {"Path", "WIDE1-1\x07"},
      {"BeaconText", "\xc4\xe3\xba\xc3 VORLAN"},
      {"WifiSsid", ""},
      {"WifiPassword", "58203746"},
      {"AlarmPhone", "\x7f"},
      {"MyPhone", ""},
      {"Server1", "a.b:14580"},
      {"Server2", ""},
      {"Filter", "m/50"},
  };
  for (const auto& [field, text] : texts) {
    const auto span = std::find_if(std::begin(test::kReadBackSpans), std::end(test::kReadBackSpans),
                                   [&](const test::ReadBackSpan& s) { return s.field == field; });
    r.set(field, test::Pad(text, span->width, filler));
  }
  r.set("WorkMode", "3").set("Server1Enable", "1").set("Server2Enable", "2");
  return r.bytes();
}

ParameterSet ApplyDeviceReadBack(const QByteArray& bytes) {
  BufferSource source(bytes);
  const Reply reply = ParseReply(source);
  EXPECT_EQ(reply.outcome, Reply::Outcome::ReadBack);
  ParameterSet params = InitialParameters(kRotateServers);
  ApplyReadBack(reply.readBack, params);
  return params;
}

QByteArray Saved(const ParameterSet& params) {
  return ConfigurationText(params, kInfo);
}

OpenedConfiguration Opened(const QByteArray& text, const ParameterSet& base) {
  auto opened = ReadConfiguration(text, "test.json", base);
  if (auto* problem = std::get_if<ConfigProblem>(&opened)) {
    ADD_FAILURE() << "refused: kind " << int(problem->kind) << " at " << problem->key.toStdString();
    return {base, {}, {}, {}, {}};
  }
  return std::get<OpenedConfiguration>(opened);
}

TEST(ConfigFile, ReadBackWithEveryFillerGoesBackAsTheSameFrameBytes) {
  for (char filler : {' ', '\0', '\xff'}) {
    SCOPED_TRACE(int(static_cast<unsigned char>(filler)));
    const ParameterSet read = ApplyDeviceReadBack(DeviceReadBack(filler));
    const OpenedConfiguration opened = Opened(Saved(read), InitialParameters(kAsiaServers));

    EXPECT_EQ(opened.params, read);
    EXPECT_EQ(opened.fieldsSet.size(), std::size_t(kParameterCount));
    EXPECT_EQ(BuildWriteFrame(opened.params), BuildWriteFrame(read));
    EXPECT_FALSE(CheckWriteFrame(opened.params));
    // The bytes that are not text, filler included, stand in the frame as the device sent them.
    const QByteArray frame = BuildWriteFrame(opened.params);
    EXPECT_TRUE(frame.contains("&" + test::Pad("SIM1-7\xb0", 12, filler) + "|" +
                               test::Pad("WIDE1-1\x07", 20, filler) + "|" +
                               test::Pad("\xc4\xe3\xba\xc3 VORLAN", 64, filler) + "|"));
    EXPECT_TRUE(frame.contains("|" + test::Pad("\x7f", 16, filler) + "|"));
  }
}

TEST(ConfigFile, TextsStandAsPlainStringsOrTextAndHex) {
  const std::pair<QString, QString> rows[] = {
      {"NOCALL-9", R"("NOCALL-9")"},
      {"", R"("")"},
      {"WIDE1-1 \"x\"\\", R"("WIDE1-1 \"x\"\\")"},
      {QString::fromUtf8("你好 VORLAN"), QString::fromUtf8(R"("你好 VORLAN")")},
      {QStringLiteral("SIM1-7") + QString(6, QChar(0)),
       R"({"text": "SIM1-7", "hex": "000000000000"})"},
      {QString(2, QChar(0xDCFF)), R"({"hex": "ffff"})"},
      {QStringLiteral("AB") + QChar(0xDCFF) + QStringLiteral("CD"),
       R"({"text": "AB", "hex": "ff4344"})"},
      {QStringLiteral("AB") + QChar(0xDCB0), R"({"text": "AB", "hex": "b0"})"},
      {QStringLiteral("a\tb"), R"({"text": "a", "hex": "0962"})"},
  };
  for (const auto& [text, json] : rows) {
    SCOPED_TRACE(json.toStdString());
    ParameterSet params = InitialParameters(kRotateServers);
    params.setText(Field::BeaconText, text);
    EXPECT_TRUE(Saved(params).contains(("    \"BeaconText\": " + json + ",\n").toUtf8()));
    EXPECT_EQ(Opened(Saved(params), {}).params.text(Field::BeaconText), text);
  }
}

TEST(ConfigFile, ParametersStandInFieldTableOrderWithTheirKinds) {
  const QString text = QString::fromUtf8(Saved(InitialParameters(kRotateServers)));
  EXPECT_TRUE(text.startsWith(R"({
  "format": "vorlan_setup configuration",
  "version": 1,
  "savedBy": {
    "program": "vorlan_test",
    "version": "9.9",
    "time": "2026-12-07T03:15:00Z"
  },
  "parameters": {
    "Callsign": "NOCALL-9",
    "Password": "480271",
)")) << text.toStdString();
  qsizetype at = 0;
  for (const auto& f : ParameterTable()) {
    const qsizetype next = text.indexOf('"' + Utf8(f.name) + "\": ", at);
    EXPECT_GT(next, at) << f.name;
    at = next;
  }
  EXPECT_TRUE(text.contains(R"("Digipeater": false,)"));
  EXPECT_TRUE(text.contains(R"("SmartBeacon": true,)"));
  EXPECT_TRUE(text.endsWith("    \"WorkMode\": 1\n  }\n}\n"));

  SaveInfo read = kInfo;
  read.read = ReadOrigin{"COM3", "/dev/ttyUSB0", kInfo.time.addSecs(-5)};
  const auto origin = Opened(Saved(InitialParameters(kRotateServers)), {}).origin;
  EXPECT_EQ(origin.program, "vorlan_test");
  const auto readOrigin =
      Opened(ConfigurationText(InitialParameters(kRotateServers), read), {}).origin;
  EXPECT_EQ(readOrigin.readPort, "COM3");
  EXPECT_EQ(readOrigin.readDevice, "/dev/ttyUSB0");
  EXPECT_EQ(readOrigin.readTime, "2026-12-07T03:14:55Z");
}

TEST(ConfigFile, AFileSavedOverOneBuildsValuesGivesTheSameFrameOverTheOthers) {
  ParameterSet chinese = InitialParameters(kAsiaServers);
  chinese.setWorkMode('3');
  chinese.setText(Field::BeaconText, QString::fromUtf8("你好"));
  const OpenedConfiguration opened = Opened(Saved(chinese), InitialParameters(kRotateServers));
  EXPECT_EQ(opened.params.workMode(), '3');
  EXPECT_EQ(BuildWriteFrame(opened.params), BuildWriteFrame(chinese));
}

// A file with the given parameters (JSON members), the rest of the document sound.
QByteArray WithParameters(const QByteArray& members) {
  return R"({"format": "vorlan_setup configuration", "version": 1, "parameters": {)" + members +
         "}}";
}

TEST(ConfigFile, EveryBadFileIsRefusedWholeWithOneProblem) {
  using K = ConfigProblem::Kind;
  struct Row {
    QByteArray file;
    K kind;
    QString key;
    std::optional<Field> field = {};
  };
  const Row rows[] = {
      {"", K::NotJson, ""},
      {"{\"format\": ", K::NotJson, ""},
      {"[1, 2]", K::NotConfiguration, ""},
      {R"({"version": 1})", K::NotConfiguration, "format"},
      {R"({"format": "other", "version": 1})", K::NotConfiguration, "format"},
      {R"({"format": "vorlan_setup configuration", "version": 2})", K::NewerVersion, "version"},
      {R"({"format": "vorlan_setup configuration", "version": "1"})", K::WrongType, "version"},
      {R"({"format": "vorlan_setup configuration", "version": 0.5})", K::WrongType, "version"},
      {R"({"format": "vorlan_setup configuration", "version": 1, "savedBy": 3})", K::WrongType,
       "savedBy"},
      {R"({"format": "vorlan_setup configuration", "version": 1, "readFrom": {"time": 3}})",
       K::WrongType, "readFrom.time"},
      {R"({"format": "vorlan_setup configuration", "version": 1, "parameters": []})", K::WrongType,
       "parameters"},
      {WithParameters(R"("Callsign": 5)"), K::WrongType, "parameters.Callsign", Field::Callsign},
      {WithParameters(R"("Callsign": {"text": 5})"), K::WrongType, "parameters.Callsign.text",
       Field::Callsign},
      {WithParameters(R"("Callsign": {"hex": "0"})"), K::BadHex, "parameters.Callsign.hex",
       Field::Callsign},
      {WithParameters(R"("Callsign": {"hex": "zz"})"), K::BadHex, "parameters.Callsign.hex",
       Field::Callsign},
      {WithParameters(R"("Callsign": "BG7ABC-9-XXXX")"), K::TooLong, "parameters.Callsign",
       Field::Callsign},
      {WithParameters(R"("Callsign": {"text": "BG7ABC-9-XXX", "hex": "00"})"), K::TooLong,
       "parameters.Callsign", Field::Callsign},
      {WithParameters(R"("Digipeater": "true")"), K::WrongType, "parameters.Digipeater",
       Field::Digipeater},
      {WithParameters(R"("WorkMode": "12")"), K::WrongType, "parameters.WorkMode", Field::WorkMode},
      {WithParameters(R"("Server2Enable": "")"), K::WrongType, "parameters.Server2Enable",
       Field::Server2Enable},
      {WithParameters(R"("WorkMode": 5)"), K::NoWorkModeCode, "parameters.WorkMode",
       Field::WorkMode},
      {WithParameters(R"("WorkMode": 1.5)"), K::NoWorkModeCode, "parameters.WorkMode",
       Field::WorkMode},
      {WithParameters(R"("GroupCall": "NOGRO")"), K::WriteRefusal, "parameters.GroupCall",
       Field::GroupCall},
      {WithParameters(R"("Callsign": "中文中文中文中")"), K::TooLong, "parameters.Callsign",
       Field::Callsign},
      // A sound value first does not make a later bad one pass, nor is it taken alone.
      {WithParameters(R"("Callsign": "BG7ABC-9", "RfToIs": 1)"), K::WrongType, "parameters.RfToIs",
       Field::RfToIs},
  };
  const ParameterSet base = InitialParameters(kRotateServers);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.file.toStdString());
    auto opened = ReadConfiguration(row.file, "bad.json", base);
    ASSERT_TRUE(std::holds_alternative<ConfigProblem>(opened));
    const ConfigProblem& problem = std::get<ConfigProblem>(opened);
    EXPECT_EQ(problem.kind, row.kind);
    EXPECT_EQ(problem.file, "bad.json");
    EXPECT_EQ(problem.key, row.key);
    EXPECT_EQ(problem.field, row.field);
  }
  EXPECT_EQ(base, InitialParameters(kRotateServers));
}

TEST(ConfigFile, ProblemsSayWhatIsWrong) {
  auto problem = [](const QByteArray& file) {
    return std::get<ConfigProblem>(ReadConfiguration(file, "f", {}));
  };
  EXPECT_EQ(problem(R"({"format": "vorlan_setup configuration", "version": 7})").found, 7);
  const ConfigProblem tooLong = problem(WithParameters(R"("SymbolCode": "[[")"));
  EXPECT_EQ(tooLong.found, 2);
  EXPECT_EQ(tooLong.limit, 1);
  EXPECT_EQ(problem(WithParameters(R"("WorkMode": 9)")).detail, "9");
  EXPECT_EQ(problem(WithParameters(R"("Digipeater": 1)")).expected, ValueType::Flag);
  EXPECT_EQ(problem(WithParameters(R"("GroupCall": "AB")")).refusal,
            (Refusal{Field::GroupCall, Refusal::Rule::HeadWidth, 6, 2, {}}));
}

TEST(ConfigFile, UnknownKeysAreReportedAndMissingFieldsKeepTheirValues) {
  const QByteArray file = R"({"format": "vorlan_setup configuration", "version": 1,
    "colour": "red", "savedBy": {"program": "x", "host": "y"},
    "parameters": {"Callsign": "BG7ABC-9", "Path": {"text": "WIDE2-2", "note": 1},
                   "Digipeater": true, "HisCallsign": "X", "Callsign2": "Y"}})";
  const ParameterSet base = InitialParameters(kRotateServers);
  const OpenedConfiguration opened = Opened(file, base);
  EXPECT_EQ(opened.fieldsSet, (std::vector{Field::Callsign, Field::Path, Field::Digipeater}));
  EXPECT_EQ(opened.unknownKeys, (QStringList{"colour", "savedBy.host", "parameters.Callsign2",
                                             "parameters.HisCallsign", "parameters.Path.note"}));
  ParameterSet expected = base;
  expected.setText(Field::Callsign, "BG7ABC-9");
  expected.setText(Field::Path, "WIDE2-2");
  expected.setFlag(Field::Digipeater, true);
  EXPECT_EQ(opened.params, expected);
}

TEST(ConfigFile, SavingReplacesTheFileWholeAndSaysWhyItCannot) {
  QTemporaryDir dir;
  const QString path = dir.filePath("club.json");
  ParameterSet params = InitialParameters(kRotateServers);
  ASSERT_FALSE(SaveConfiguration(path, params, kInfo));
  params.setText(Field::Callsign, "BG7ABC-9");
  ASSERT_FALSE(SaveConfiguration(path, params, kInfo));
  auto opened = OpenConfiguration(path, {});
  EXPECT_EQ(std::get<OpenedConfiguration>(opened).params, params);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"club.json"});

  const auto problem = SaveConfiguration(dir.filePath("no/such/folder.json"), params, kInfo);
  ASSERT_TRUE(problem);
  EXPECT_EQ(problem->kind, ConfigProblem::Kind::CannotSave);
  EXPECT_FALSE(problem->detail.isEmpty());
  auto missing = OpenConfiguration(dir.filePath("missing.json"), {});
  EXPECT_EQ(std::get<ConfigProblem>(missing).kind, ConfigProblem::Kind::CannotRead);
}

}  // namespace
}  // namespace vorlan
