// Device values as check and about show them: escaped on a terminal (a Path beginning ESC[2J must
// not clear the screen, a newline must not break one line per finding), and in --json as a
// configuration file holds them, bytes that are no text in "hex", so that every parser takes it.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStringDecoder>

#include "cli/terminal_text.h"
#include "cli_fixture.h"
#include "read_back.h"
#include "simulator.h"

namespace vorlan::test {
namespace {

TEST(TerminalText, EscapesWhatIsNoPrintableCharacter) {
  const struct {
    QString text, shown;
  } rows[] = {
      {"WIDE1-1", "WIDE1-1"},
      {"\x1b[2J", "\\e[2J"},
      {"A\nB\rC\tD", "A\\nB\\rC\\tD"},
      {QString::fromLatin1("\0\x01\x7f", 3), "\\x00\\x01\\x7f"},
      {"a\\b", "a\\\\b"},
      {QString(QChar(0xDCFF)) + "B", "\\xffB"},  // a byte that is no text
      {QString(QChar(0x85)), "\\u0085"},         // C1, apart from the byte 0x85
      {QString(QChar(0xD800)), "\\ud800"},
      {QString::fromUtf8("北京 \xF0\x9F\x98\x80"), QString::fromUtf8("北京 \xF0\x9F\x98\x80")},
  };
  for (const auto& row : rows)
    EXPECT_EQ(cli::TerminalText(row.text), row.shown) << row.shown.toStdString();
}

// A device whose Path holds control characters and a byte that is no text, padded with 0xFF.
QByteArray ReadBackWithARoguePath() {
  return SoundReadBack({{"Callsign", "BG7ABC-9"},
                        {"Path", Pad("\x1b[2JBAD,A\xff"
                                     "B,X\nY",
                                     20, '\xff')}});
}

class DeviceValuesShown : public CliTest {
 protected:
  void SetUp() override {
    const QByteArray answer = "expect read\nsend " + ReadBackWithARoguePath().toHex(' ') + '\n';
    writeFile("rogue.script", answer + answer);
  }
};

TEST_F(DeviceValuesShown, OnTheTerminalEscapedOneLineAFinding) {
  Simulator sim({"--fast", "--script", file("rogue.script")});
  const CliRun check = cli({"check", "device", "--port", sim.path(), "--no-backup"});
  EXPECT_EQ(check.exitCode, 7) << check.err.toStdString();
  EXPECT_FALSE(check.out.contains('\x1b'));
  const QStringList lines = check.out.split('\n', Qt::SkipEmptyParts);
  for (const QString& line : lines) {
    EXPECT_TRUE(QRegularExpression("^\\w+: (warning|note): ").match(line).hasMatch())
        << line.toStdString();
  }
  for (const char* element : {R"("\e[2JBAD")", R"("A\xffB")", R"("X\nY")"}) {
    EXPECT_EQ(lines.filter(QString("Path: warning: ") + element + " is neither").size(), 1)
        << element << '\n'
        << check.out.toStdString();
  }
}

TEST_F(DeviceValuesShown, InJsonEveryParserTakes) {
  Simulator sim({"--fast", "--script", file("rogue.script")});
  const CliRun check =
      cli({"check", "device", "--port", sim.path(), "--no-backup", "--json"}, {}, file("out.json"));
  EXPECT_EQ(check.exitCode, 7) << check.err.toStdString();
  QFile out(file("out.json"));
  ASSERT_TRUE(out.open(QIODevice::ReadOnly));
  const QByteArray bytes = out.readAll();

  // Strict UTF-8, and no surrogate escape: paired ones Qt writes as UTF-8, so any is half a pair.
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString text = utf8(bytes);
  EXPECT_FALSE(utf8.hasError());
  EXPECT_FALSE(QRegularExpression("\\\\u[dD][89a-fA-F]").match(text).hasMatch()) << bytes.data();
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
  ASSERT_EQ(error.error, QJsonParseError::NoError) << bytes.data();

  QJsonArray elements;
  for (const QJsonValue finding : document["findings"].toArray()) {
    if (finding["id"] == "path-element") elements.append(finding["values"][0]);
  }
  const QJsonArray expected = {QJsonObject{{"hex", "1b5b324a424144"}},
                               QJsonObject{{"text", "A"}, {"hex", "ff42"}},
                               QJsonObject{{"text", "X"}, {"hex", "0a59"}}};
  EXPECT_EQ(elements, expected) << bytes.data();
}

// The about text goes to a pipe byte for byte; on a terminal its control bytes show escaped.
TEST_F(CliTest, TheAboutTextOnATerminalIsEscaped) {
  writeFile("about.script", "expect about\nsend \"$6\" \"\\x1b[2JABC\" 3*00 90*\"x\"\n");
  Simulator scripted({"--fast", "--script", file("about.script")});
  const int terminal = ::posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_GE(terminal, 0);
  ASSERT_EQ(::grantpt(terminal), 0);
  ASSERT_EQ(::unlockpt(terminal), 0);
  const CliRun about = cli({"about", "--port", scripted.path()}, {}, ::ptsname(terminal));
  EXPECT_EQ(about.exitCode, 0) << about.err.toStdString();
  ::fcntl(terminal, F_SETFL, O_NONBLOCK);
  QByteArray shown(4096, '\0');
  shown.resize(std::max<qsizetype>(0, ::read(terminal, shown.data(), shown.size())));
  ::close(terminal);
  EXPECT_EQ(shown, "\\e[2JABC\\x00\\x00\\x00" + QByteArray(90, 'x') + "\r\n");
}

}  // namespace
}  // namespace vorlan::test
