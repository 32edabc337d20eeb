// Scripts and their byte notation: what reads, what does not, and the order a script plays in.
#include <gtest/gtest.h>

#include "bytes_print.h"
#include "tools/device_sim/byte_notation.h"
#include "tools/device_sim/script.h"

namespace vorlan::sim {

void PrintTo(const ScriptAction& a, std::ostream* os) {
  *os << int(a.kind) << ' ' << a.ms << ' ' << a.note.toStdString() << ' ';
  ::PrintTo(a.bytes, os);
}

namespace {

TEST(ByteNotation, HexQuotedTextRepeatsAndComments) {
  const std::pair<const char*, QByteArray> rows[] = {
      {"24 31 ff", "$1\xff"},
      {"2431FF", "$1\xff"},
      {R"("$4" 3*" ")", "$4   "},
      {R"(2*"ab" 3*00)", QByteArray("abab\0\0\0", 7)},
      {R"("a\"b\\c\x23d")", "a\"b\\c#d"},
      {R"("#$2#" # a comment)", "#$2#"},
      {"  # only a comment", ""},
      {R"("中")", "\xe4\xb8\xad"},
  };
  for (const auto& [text, bytes] : rows) {
    const ParsedBytes parsed = ParseByteNotation(text);
    EXPECT_EQ(parsed.bytes, bytes) << text << ": " << parsed.error.toStdString();
  }
  const std::pair<const char*, const char*> errors[] = {
      {"2g", "not hex digits nor a quoted text at column 1"},
      {"241", "an odd number of hex digits at column 1"},
      {R"("open)", "no closing quote at column 6"},
      {R"("\q")", "an escape other than \\\", \\\\ or \\xHH at column 3"},
      {"3*", "nothing to repeat at column 3"},
  };
  for (const auto& [text, error] : errors) {
    const ParsedBytes parsed = ParseByteNotation(text);
    EXPECT_FALSE(parsed.bytes) << text;
    EXPECT_EQ(parsed.error, error) << text;
  }
}

TEST(Script, StepsThatDoNotReadNameTheirLine) {
  const std::pair<const char*, const char*> rows[] = {
      {"answer", "line 1: answer before any expect"},
      {"expect read\n\n  expect reply",
       "line 3: expect takes read, about, write, instruction, "
       "message, noise or any"},
      {"wait soon", "line 1: wait takes milliseconds"},
      {"wait -1", "line 1: wait takes milliseconds"},
      {"# fine\nsend \"$4", "line 2: no closing quote at column 4"},
      {"reply $4", "line 1: not a step: reply"},
      {"expect any\nanswer now", "line 2: not a step: answer"},
  };
  for (const auto& [text, error] : rows) EXPECT_EQ(ParseScript(text).error, error) << text;
}

TEST(Script, PlaysItsStepsInOrderAndAnswersOnlyWhatItExpects) {
  const Script script = ParseScript(
      "# a Read answered twice, the second time in two pieces\r\n"
      "send-text hello # sent as it stands\n"
      "expect read\n"
      "answer\n"
      "wait 200   # quiet\n"
      "send \"$1\" 2*ff\n"
      "expect any\n"
      "send 24 34 20 20 20\n");
  ASSERT_EQ(script.error, "");
  using A = ScriptAction::Kind;
  const Frame read{FrameKind::Read, "$2#"}, about{FrameKind::About, "$3#"};
  ScriptPlayer player(script.steps);
  EXPECT_EQ(player.start(), std::vector<ScriptAction>({{A::Send, "hello # sent as it stands"}}));
  EXPECT_EQ(player.receive(about),
            std::vector<ScriptAction>(
                {{A::Note, {}, 0, {}, "script line 3 expects read: about not answered"}}));
  EXPECT_EQ(player.receive(read),
            std::vector<ScriptAction>(
                {{A::Answer, {}, 0, read}, {A::Pause, {}, 200}, {A::Send, "$1\xff\xff"}}));
  EXPECT_FALSE(player.finished());
  EXPECT_EQ(player.receive(about), std::vector<ScriptAction>({{A::Send, "$4   "}}));
  EXPECT_TRUE(player.finished());
  EXPECT_EQ(player.receive(read),
            std::vector<ScriptAction>({{A::Note, {}, 0, {}, "script over: read not answered"}}));
}

}  // namespace
}  // namespace vorlan::sim
