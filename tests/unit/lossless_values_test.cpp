// Lossless values: what a device sent reaches files, backups, comparisons and the next write frame
// exactly as it came, codes outside the tool's tables included; and a text that cannot go on the
// line as itself is never taken for the device's.

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "answer.h"
#include "config/config_reader.h"
#include "config/config_writer.h"
#include "config/field_compare.h"
#include "fake_view.h"
#include "link/device_text.h"
#include "link/reply.h"
#include "link/write_frame.h"
#include "params/field_table.h"
#include "read_back.h"
#include "recording_link.h"
#include "ui/lang/en/en_language.h"
#include "ui/lang/zh/zh_language.h"
#include "ui/window_presenter.h"
#include "ui/work_modes.h"

namespace vorlan::test {
namespace {

// The columns of the three codes in the write frame (1-based).
constexpr int kWorkModeColumn = 59, kServer1Column = 64, kServer2Column = 65;

// A device's read-back with every field sound but the three codes.
QByteArray DeviceWithCodes(char workMode, char server1, char server2) {
  ReadBack r;
  for (int i = 0; i < kFlagSpans; ++i) r.set(kReadBackSpans[i].field, "0");
  for (const auto& span : kReadBackSpans) {
    if (span.width > 1 || span.field == "SymbolCode")
      r.set(span.field, QByteArray(span.width, '0'), span.position);
  }
  r.set("Latitude", "2300.00N").set("Longitude", "11300.00E").set("Channel1Freq", "144.640");
  r.set("Channel2Freq", "144.390").set("Callsign", Pad("CODES-7", 12));
  r.set("WorkMode", QByteArray(1, workMode));
  r.set("Server1Enable", QByteArray(1, server1)).set("Server2Enable", QByteArray(1, server2));
  return r.bytes();
}

vorlan::ReadBack Parsed(const QByteArray& bytes) {
  BufferSource source(bytes);
  return ParseReply(source).readBack;
}

QByteArray Saved(const ParameterSet& params) {
  return ConfigurationText(params, {"test", "1", {}});
}

TEST(LosslessValues, CodesOutsideTheirTablesGoBackAsTheyCame) {
  const struct {
    char workMode, server1, server2;
    const char* json;  // the three as a file holds them
    QByteArray frame;  // and as a write sends them: a code of the table as the tool sends it
  } rows[] = {
      {'7', '9', '0', R"("WorkMode": "7" "Server1Enable": "9" "Server2Enable": false)", "790"},
      {'3', '2', '1', R"("WorkMode": 3 "Server1Enable": true "Server2Enable": true)", "312"},
      {'\0', 'x', '\xff',
       R"("WorkMode": {"hex": "00"} "Server1Enable": "x" "Server2Enable": {"hex": "ff"})",
       QByteArray("\0x\xff", 3)},
      {' ', '5', '"', R"("WorkMode": " " "Server1Enable": "5" "Server2Enable": "\"")", " 5\""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.json);
    const vorlan::ReadBack readBack =
        Parsed(DeviceWithCodes(row.workMode, row.server1, row.server2));
    const ParameterSet device = ReadBackParameters(readBack);
    QStringList json;
    for (Field f : {Field::WorkMode, Field::Server1Enable, Field::Server2Enable}) {
      json << '"' + Utf8(Def(f).name) + "\": " + ParameterValueJson(device, f);
    }
    EXPECT_EQ(json.join(' '), row.json);

    // Saved and opened over either build's values: the same settings and the same frame.
    for (const ServerPresets* servers : {&kRotateServers, &kAsiaServers}) {
      auto opened = ReadConfiguration(Saved(device), "t.json", InitialParameters(*servers));
      ASSERT_TRUE(std::holds_alternative<OpenedConfiguration>(opened));
      const ParameterSet& file = std::get<OpenedConfiguration>(opened).params;
      EXPECT_EQ(BuildWriteFrame(file), BuildWriteFrame(device));
      EXPECT_TRUE(MismatchedFields(readBack, file).empty());
      EXPECT_TRUE(DifferingFields(device, file, AllParameters()).empty());
    }

    // A template that sets only the callsign, over the device's values: the codes stay.
    ParameterSet partial = device;
    partial.setText(Field::Callsign, "BG7ABC-9");
    ASSERT_FALSE(CheckWriteFrame(partial));
    const QByteArray frame = BuildWriteFrame(partial);
    const char sent[] = {frame[kWorkModeColumn - 1], frame[kServer1Column - 1],
                         frame[kServer2Column - 1]};
    EXPECT_EQ(QByteArray(sent, 3), row.frame);
  }
}

TEST(LosslessValues, AKeptCodeThatWouldCutTheFrameIsRefusedAndAnotherValueReplacesIt) {
  ParameterSet params = ReadBackParameters(Parsed(DeviceWithCodes('#', '0', '0')));
  EXPECT_EQ(CheckWriteFrame(params),
            (Refusal{Field::WorkMode, Refusal::Rule::Delimiter, 0, 0, "#"}));
  params.setWorkMode('2');
  EXPECT_FALSE(CheckWriteFrame(params));
  EXPECT_EQ(FieldBytes(params, Field::WorkMode), "2");
}

// "AB\udc10" goes on the line as "AB\x1a": the device holds other bytes than the file says, and a
// comparison on the encoded bytes alone would call them the same.
TEST(LosslessValues, ATextThatCannotGoOnTheLineAsItselfNeverMatches) {
  const QString lone = QStringLiteral("AB") + QChar(0xDC10);
  ParameterSet written = InitialParameters(kRotateServers);
  written.setText(Field::BeaconText, lone);
  vorlan::ReadBack readBack;
  readBack.bytes[Index(Field::BeaconText)] = Pad(EncodeDeviceText(lone), 64);
  const auto mismatched = MismatchedFields(readBack, written);
  EXPECT_NE(std::find(mismatched.begin(), mismatched.end(), Field::BeaconText), mismatched.end());

  ParameterSet device = written;
  device.setText(Field::BeaconText, DecodeDeviceText(EncodeDeviceText(lone)));
  EXPECT_EQ(DifferingFields(written, device, std::vector{Field::BeaconText}),
            std::vector{Field::BeaconText});
  // Bytes that are not text, and characters beyond U+FFFF, are text that goes as itself.
  EXPECT_TRUE(EncodesExactly(QStringLiteral("A") + QChar(0xDCFF) + QString::fromUtf8("😀你")));
  EXPECT_FALSE(EncodesExactly(QStringLiteral("AB") + QChar(0xD800)));
}

// The backup of the read holds the device's values, not what the window shows; and a write after
// the read sends the device's codes back while their controls are left alone.
TEST(LosslessValues, TheWindowKeepsTheDevicesCodesItCannotShow) {
  const LanguageData& en = EnglishLanguage();
  RecordingLink link;
  FakeView view(en);
  QTemporaryDir backups;
  ui::WindowPresenter actions(view, link, en, backups.path());
  actions.chooseWorkMode(*WorkModeText('2', en));
  actions.tick(Field::Server1Enable, false);
  ASSERT_TRUE(Answer(actions, link, DeviceWithCodes('7', '9', '2')));

  const QStringList saved = QDir(backups.path()).entryList(QDir::Files);
  ASSERT_EQ(saved.size(), 1);
  const auto opened = OpenConfiguration(QDir(backups.path()).filePath(saved[0]), {});
  ASSERT_TRUE(std::holds_alternative<OpenedConfiguration>(opened));
  const ParameterSet* backedUp = &std::get<OpenedConfiguration>(opened).params;
  EXPECT_EQ(backedUp->workMode(), '7');
  EXPECT_EQ(backedUp->keptCode(Field::Server1Enable), '9');
  EXPECT_TRUE(backedUp->flag(Field::Server2Enable));
  EXPECT_EQ(backedUp->text(Field::Callsign), "CODES-7     ");

  const auto codesSent = [&] {
    link.open = true;
    link.sent.clear();
    actions.write();
    if (link.sent.size() < kServer2Column) return QByteArray();
    return QByteArray() + link.sent[kWorkModeColumn - 1] + link.sent[kServer1Column - 1] +
           link.sent[kServer2Column - 1];
  };
  actions.typeText(Field::Callsign, "BG7ABC-9");
  EXPECT_EQ(codesSent(), "792");
  // The user picks a work mode and ticks the first server: the window's values go.
  actions.chooseWorkMode(*WorkModeText('3', en));
  actions.tick(Field::Server1Enable, true);
  EXPECT_EQ(codesSent(), "312");
}

}  // namespace
}  // namespace vorlan::test
