#include "tools/device_sim/script.h"

#include <QList>

#include "tools/device_sim/byte_notation.h"

namespace vorlan::sim {
namespace {

using Kind = ScriptStep::Kind;

QByteArrayView WithoutComment(QByteArrayView text) {
  const qsizetype hash = text.indexOf('#');
  return (hash < 0 ? text : text.first(hash)).trimmed();
}

// One step from a line that holds one; the reason when it is no step.
std::optional<ScriptStep> ParseStep(QByteArrayView line, int number, QString& error) {
  const qsizetype blank = line.indexOf(' ');
  const QByteArrayView word = blank < 0 ? line : line.first(blank);
  const QByteArrayView rest = blank < 0 ? QByteArrayView() : line.sliced(blank + 1);
  if (word == "send-text") return ScriptStep{Kind::Send, number, {}, rest.toByteArray()};
  if (word == "send") {
    ParsedBytes parsed = ParseByteNotation(rest);
    if (parsed.bytes) return ScriptStep{Kind::Send, number, {}, *parsed.bytes};
    error = parsed.error;
    return std::nullopt;
  }
  const QByteArrayView argument = WithoutComment(rest);
  if (word == "expect") {
    if (argument == "any") return ScriptStep{Kind::Expect, number};
    if (auto kind = FrameKindNamed(argument)) return ScriptStep{Kind::Expect, number, kind};
    error = "expect takes read, about, write, instruction, message, noise or any";
    return std::nullopt;
  }
  if (word == "wait") {
    bool ok = false;
    const int ms = argument.toByteArray().toInt(&ok);
    if (ok && ms >= 0) return ScriptStep{Kind::Wait, number, {}, {}, ms};
    error = "wait takes milliseconds";
    return std::nullopt;
  }
  if (word == "answer" && argument.isEmpty()) return ScriptStep{Kind::Answer, number};
  error = "not a step: " + QString::fromUtf8(word.toByteArray());
  return std::nullopt;
}

}  // namespace

Script ParseScript(const QByteArray& text) {
  Script script;
  bool expected = false;
  const QList<QByteArray> lines = text.split('\n');
  for (qsizetype i = 0; i < lines.size(); ++i) {
    QByteArray line = lines[i];
    if (line.endsWith('\r')) line.chop(1);
    while (line.startsWith(' ') || line.startsWith('\t')) line.remove(0, 1);
    if (line.isEmpty() || line.startsWith('#')) continue;
    QString error;
    const auto step = ParseStep(line, int(i) + 1, error);
    if (step && step->kind == Kind::Answer && !expected) error = "answer before any expect";
    if (!error.isEmpty()) return {{}, QStringLiteral("line %1: %2").arg(i + 1).arg(error)};
    expected = expected || step->kind == Kind::Expect;
    script.steps.push_back(*step);
  }
  return script;
}

std::vector<ScriptAction> ScriptPlayer::runToExpect() {
  std::vector<ScriptAction> actions;
  for (; !finished() && steps_[next_].kind != Kind::Expect; ++next_) {
    const ScriptStep& step = steps_[next_];
    switch (step.kind) {
      case Kind::Send:
        actions.push_back({ScriptAction::Kind::Send, step.bytes});
        break;
      case Kind::Wait:
        actions.push_back({ScriptAction::Kind::Pause, {}, step.ms});
        break;
      case Kind::Answer:
        actions.push_back({ScriptAction::Kind::Answer, {}, 0, last_});
        break;
      case Kind::Expect:
        break;
    }
  }
  return actions;
}

std::vector<ScriptAction> ScriptPlayer::start() {
  return runToExpect();
}

std::vector<ScriptAction> ScriptPlayer::receive(const Frame& frame) {
  const char* kind = FrameKindName(frame.kind);
  if (finished()) {
    return {{ScriptAction::Kind::Note,
             {},
             0,
             {},
             QStringLiteral("script over: %1 not answered").arg(kind)}};
  }
  const ScriptStep& step = steps_[next_];
  if (step.expected && *step.expected != frame.kind) {
    return {{ScriptAction::Kind::Note,
             {},
             0,
             {},
             QStringLiteral("script line %1 expects %2: %3 not answered")
                 .arg(step.line)
                 .arg(FrameKindName(*step.expected), kind)}};
  }
  last_ = frame;
  ++next_;
  return runToExpect();
}

}  // namespace vorlan::sim
