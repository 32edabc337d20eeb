#pragma once
// Reads a golden conversation (tests/data/conversations/README.md): the device's filler and the
// exchanges, each what the tool sends and what the device answers.

#include <QFile>
#include <QList>
#include <QString>
#include <vector>

#include "tools/device_sim/byte_notation.h"

namespace vorlan::sim::test {

struct Exchange {
  QByteArray tool;
  QByteArray device;  // empty: no answer
  int line;           // of its first "tool" line
};

struct Conversation {
  QString filler = "blank";  // as --filler takes it
  std::vector<Exchange> exchanges;
  QString error;  // "line N: ...", when the file does not read
};

inline Conversation LoadConversation(const QString& path) {
  Conversation c;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {{}, {}, "cannot open " + path};
  const QList<QByteArray> lines = file.readAll().split('\n');
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const QByteArray line = lines[i].trimmed();
    const qsizetype blank = line.indexOf(' ');
    const QByteArray word = line.left(blank);
    const QByteArray rest = blank < 0 ? QByteArray() : line.mid(blank + 1);
    auto fail = [&](const QString& what) {
      c.error = QStringLiteral("line %1: %2").arg(i + 1).arg(what);
      return c;
    };
    if (line.isEmpty() || line.startsWith('#')) continue;
    if (word == "filler") {
      c.filler = QString::fromLatin1(rest.split('#').first().trimmed());
      continue;
    }
    if (word != "tool" && word != "device") return fail("not tool, device or filler");
    const ParsedBytes bytes = ParseByteNotation(rest);
    if (!bytes.bytes) return fail(bytes.error);
    if (word == "tool" && (c.exchanges.empty() || !c.exchanges.back().device.isEmpty())) {
      c.exchanges.push_back({{}, {}, int(i) + 1});
    }
    if (c.exchanges.empty()) return fail("the device speaks first");
    (word == "tool" ? c.exchanges.back().tool : c.exchanges.back().device) += *bytes.bytes;
  }
  return c;
}

}  // namespace vorlan::sim::test
