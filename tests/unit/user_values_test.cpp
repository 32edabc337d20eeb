// Refusals of the user's values before the line: values that cannot be of their field's kind,
// texts that are no text, files that are no configuration, frame marks and byte counts in the
// instruction and the message; values a device sent go back as they came.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "answer.h"
#include "config/config_reader.h"
#include "config/config_writer.h"
#include "fake_view.h"
#include "link/requests.h"
#include "link/value_forms.h"
#include "params/text_form.h"
#include "read_back.h"
#include "recording_link.h"
#include "ui/lang/en/en_language.h"
#include "ui/lang/zh/zh_language.h"
#include "ui/window_presenter.h"

namespace vorlan::test {
namespace {

TEST(UserValues, EachFormTakesOnlyWhatItsFieldCanHold) {
  using F = TextForm;
  const std::tuple<F, const char*, bool> rows[] = {
      {F::Number, "30", true},
      {F::Number, "007", true},
      {F::Number, "zz", false},
      {F::Number, "3 ", false},
      {F::Number, "", false},
      {F::Number, "\xef\xbc\x93", false},  // full-width 3
      {F::Latitude, "2300.00N", true},
      {F::Latitude, "8959.99S", true},
      {F::Latitude, "9000.00N", true},
      {F::Latitude, "9000.01N", false},
      {F::Latitude, "9999.99Z", false},
      {F::Latitude, "2360.00N", false},
      {F::Latitude, "2300.00n", false},
      {F::Latitude, "2300,00N", false},
      {F::Longitude, "11300.00E", true},
      {F::Longitude, "18000.00W", true},
      {F::Longitude, "18000.50W", false},
      {F::Longitude, "19000.00E", false},
      {F::Longitude, "11300.00N", false},
      {F::Longitude, "1130.00E", false},
      {F::Frequency, "144.640", true},
      {F::Frequency, "abc.def", false},
      {F::Frequency, "144.64", false},
      {F::Frequency, "1446400", false},
      {F::Free, "abc.def", true},
  };
  for (const auto& [form, text, fits] : rows) {
    EXPECT_EQ(HasForm(form, QString::fromUtf8(text)), fits) << int(form) << " " << text;
  }
}

QByteArray WithParameters(const QByteArray& members, const QByteArray& origin = {}) {
  return R"({"format": "vorlan_setup configuration", "version": 1, )" + origin +
         R"("parameters": {)" + members + "}}";
}

TEST(UserValues, AFileIsRefusedForAValueItsFieldCannotHold) {
  using K = ConfigProblem::Kind;
  const struct {
    QByteArray file;
    K kind;
    QString key;
    std::optional<Refusal::Rule> rule = {};
  } rows[] = {
      {WithParameters(R"("Latitude": "9999.99Z")"), K::WriteRefusal, "parameters.Latitude",
       Refusal::Rule::WrongForm},
      {WithParameters(R"("TxDelay": "zz")"), K::WriteRefusal, "parameters.TxDelay",
       Refusal::Rule::WrongForm},
      {WithParameters(R"("Channel1Freq": "abc.def")"), K::WriteRefusal, "parameters.Channel1Freq",
       Refusal::Rule::WrongForm},
      {WithParameters(R"("BeaconText": "AB\ud800")"), K::NotText, "parameters.BeaconText"},
      {WithParameters(R"("BeaconText": "AB\udc10")"), K::NotText, "parameters.BeaconText"},
      {WithParameters(R"("BeaconText": "AB\udc90")"), K::NotText, "parameters.BeaconText"},
      // The high surrogate would pair with the stand-in for the byte 0x80 into another character.
      {WithParameters(R"("BeaconText": {"text": "AB\ud800", "hex": "80"})"), K::NotText,
       "parameters.BeaconText.text"},
      {WithParameters(R"("Callsign": "😀😀😀😀")"), K::TooLong, "parameters.Callsign"},
      {WithParameters(R"("Callsign": "A", "Path": "B", "Callsign": "C")"), K::DuplicateKey,
       "parameters.Callsign"},
      {WithParameters(R"("Callsign": "A", "Path": {"text": "B", "t\u0065xt": "C"})"),
       K::DuplicateKey, "parameters.Path.text"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.file.toStdString());
    auto opened = ReadConfiguration(row.file, "bad.json", {});
    ASSERT_TRUE(std::holds_alternative<ConfigProblem>(opened));
    const ConfigProblem& problem = std::get<ConfigProblem>(opened);
    EXPECT_EQ(problem.kind, row.kind);
    EXPECT_EQ(problem.key, row.key);
    EXPECT_EQ(problem.refusal ? std::optional(problem.refusal->rule) : std::nullopt, row.rule);
  }
  // A read-back's own values are the device's: a backup of a device that holds them opens.
  ParameterSet device = InitialParameters(kRotateServers);
  device.setText(Field::Latitude, "abcdefgh");
  device.setText(Field::TxDelay, " 5");
  device.setText(Field::Channel1Freq, "999.999");
  const QByteArray backup =
      ConfigurationText(device, {"test", "1", {}, ReadOrigin{"COM1", {}, {}}});
  const auto opened = ReadConfiguration(backup, "backup.json", {});
  ASSERT_TRUE(std::holds_alternative<OpenedConfiguration>(opened));
  EXPECT_EQ(std::get<OpenedConfiguration>(opened).deviceFields.size(),
            std::size_t(kParameterCount));
}

// Looked at before reading: a FIFO would block, a device never ends; nor is either replaced.
TEST(UserValues, WhatIsNoConfigurationFileIsNeitherReadNorReplaced) {
  QTemporaryDir dir;
  const QString fifo = dir.filePath("fifo");
  ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
  QFile big(dir.filePath("big.json"));
  ASSERT_TRUE(big.open(QIODevice::WriteOnly));
  big.write(QByteArray(kConfigFileLimit + 1, ' '));
  big.close();

  using K = ConfigProblem::Kind;
  const std::pair<QString, K> opens[] = {{fifo, K::NotRegularFile},
                                         {"/dev/zero", K::NotRegularFile},
                                         {dir.path(), K::NotRegularFile},
                                         {big.fileName(), K::TooBig}};
  for (const auto& [path, kind] : opens) {
    const auto opened = OpenConfiguration(path, {});
    ASSERT_TRUE(std::holds_alternative<ConfigProblem>(opened)) << path.toStdString();
    EXPECT_EQ(std::get<ConfigProblem>(opened).kind, kind) << path.toStdString();
  }

  const ParameterSet params = InitialParameters(kRotateServers);
  const auto saved = SaveConfiguration(fifo, params, {});
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->kind, K::NotRegularFile);
  EXPECT_TRUE(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
  // A link to a file is followed: the file gets the configuration, the link stays.
  ASSERT_TRUE(QFile::link(big.fileName(), dir.filePath("link.json")));
  EXPECT_FALSE(SaveConfiguration(dir.filePath("link.json"), params, {}));
  EXPECT_TRUE(QFileInfo(dir.filePath("link.json")).isSymLink());
  EXPECT_LT(QFileInfo(big.fileName()).size(), 4096);
}

TEST(UserValues, InstructionAndMessageRefuseFrameMarksAndTooManyBytes) {
  const QString emoji = QString::fromUtf8("😀");  // four bytes on the line, two UTF-16 units
  const struct {
    SendFields send;
    QString callsign;
    bool message;
    std::optional<Refusal> refusal;
  } rows[] = {
      // "AB" + "@C" would go out as the bytes "--callsign AB@ C" is refused for.
      {{"NOCALL", "407KQZ", "@C", ""},
       "AB",
       false,
       Refusal{Field::Instruction, Refusal::Rule::Delimiter, 0, 0, "@"}},
      {{"NOCALL", "407KQZ", "$2#", ""},
       "AB",
       false,
       Refusal{Field::Instruction, Refusal::Rule::Delimiter, 0, 0, "$"}},
      {{"NOCALL", "40*KQZ", "", ""},
       "AB",
       false,
       Refusal{Field::HisPassword, Refusal::Rule::Delimiter, 0, 0, "*"}},
      {{"NOCALL", "407KQZ", "", ""},
       "AB#",
       false,
       Refusal{Field::Callsign, Refusal::Rule::Delimiter, 0, 0, "#"}},
      {{"NOCALL", "407KQZ", QString(25, QChar(0x4F60)), ""},
       "AB",
       false,
       Refusal{Field::Instruction, Refusal::Rule::TooManyBytes, 48, 50}},
      {{"NOCALL", "", "", "hello there"}, "", true, std::nullopt},
      {{"NOCALL", "", "", "50% @ home"},
       "",
       true,
       Refusal{Field::Message, Refusal::Rule::Delimiter, 0, 0, "@"}},
      {{"NOCALL", "", "", emoji.repeated(150)},
       "",
       true,
       Refusal{Field::Message, Refusal::Rule::TooManyBytes, 150, 600}},
      {{"NOCALL", "", "", QString(75, QChar(0x4F60))}, "", true, std::nullopt},
      {{"NOCALL-10-XYZ", "", "", "hi"},
       "",
       true,
       Refusal{Field::HisCallsign, Refusal::Rule::TooManyBytes, 12, 13}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.send.Instruction.toStdString() + "|" + row.send.Message.toStdString());
    const auto request =
        row.message ? MessageRequest(row.send) : InstructionRequest(row.send, row.callsign);
    if (row.refusal) {
      ASSERT_TRUE(std::holds_alternative<Refusal>(request));
      EXPECT_EQ(std::get<Refusal>(request), *row.refusal);
    } else {
      EXPECT_TRUE(std::holds_alternative<Request>(request));
    }
  }
}

// The window judges what the user typed, by the field's form, before anything is sent; the device's
// own values go back as they came; a frequency outside the radio's bands is written with a warning.
TEST(UserValues, TheWindowRefusesATypedValueOfTheWrongForm) {
  for (const LanguageData* lang : {&EnglishLanguage(), &ChineseLanguage()}) {
    const bool en = lang == &EnglishLanguage();
    RecordingLink link;
    FakeView view(*lang);
    ui::WindowPresenter actions(view, link, *lang);
    link.open = true;

    actions.typeText(Field::Latitude, "9999.99Z");
    actions.write();
    EXPECT_TRUE(link.log.isEmpty());
    EXPECT_EQ(view.messages.value(0),
              en ? "Nothing was written: \"Latitude\" must be DDMM.mm followed by N or S, degrees "
                   "0-90 and minutes below 60, as in 2300.00N, not \"9999.99Z\"."
                 : "未写入: “纬度”必须是DDMM.mm 加 N 或 S, 度 0-90, 分小于 60, 例如 2300.00N, "
                   "不能是“9999.99Z”。");

    // A device that holds a TX delay of " 5": read, the callsign changed, written back as it was.
    ASSERT_TRUE(Answer(actions, link, SoundReadBack({{"TxDelay", " 5"}})));
    actions.typeText(Field::Callsign, "BG7ABC-9");
    link.log.clear();
    actions.write();
    EXPECT_TRUE(link.sent.startsWith("$0NOGROU4802710000040 52300.00N")) << link.sent.toStdString();

    actions.typeText(Field::TxDelay, "zz");
    view.messages.clear();
    link.sent.clear();
    actions.write();
    EXPECT_TRUE(link.sent.isEmpty());
    EXPECT_TRUE(view.messages.value(0).contains(en ? "\"TX delay\" must be digits 0-9 only"
                                                   : "“发射延时”必须是只含数字 0-9"));

    actions.typeText(Field::TxDelay, "30");
    actions.typeText(Field::Channel1Freq, "520.000");
    view.messages.clear();
    actions.write();
    EXPECT_TRUE(link.sent.contains("520.000"));
    EXPECT_EQ(view.messages.size(), 1);
    EXPECT_TRUE(view.messages.value(0).startsWith(en ? "\"Channel 1\" is 520.000 MHz, outside"
                                                     : "“频道1”是 520.000 MHz"));
  }
}

}  // namespace
}  // namespace vorlan::test
