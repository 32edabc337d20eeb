#include "config/json_keys.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <QStringList>
#include <vector>

namespace vorlan {
namespace {

struct Level {
  bool object;
  QString name;  // the key this object stands under; empty at the top and in arrays
  QSet<QString> keys;
  bool expectKey = true;
};

// The index just past the string literal that starts at `start` (a '"').
qsizetype StringEnd(const QByteArray& json, qsizetype start) {
  qsizetype i = start + 1;
  while (i < json.size() && json[i] != '"') i += json[i] == '\\' ? 2 : 1;
  return i + 1;
}

// A key as the JSON reader sees it, escapes resolved: "\u0041" and "A" are one key.
QString KeyOf(const QByteArray& literal) {
  return QJsonDocument::fromJson('[' + literal + ']').array().at(0).toString();
}

QString PathOf(const std::vector<Level>& levels, const QString& key) {
  QStringList names;
  for (const Level& level : levels) {
    if (!level.name.isEmpty()) names << level.name;
  }
  names << key;
  return names.join('.');
}

}  // namespace

std::optional<QString> FirstDuplicateKey(const QByteArray& json) {
  std::vector<Level> levels;
  QString lastKey;
  for (qsizetype i = 0; i < json.size();) {
    const char c = json[i];
    if (c == '"') {
      const qsizetype end = StringEnd(json, i);
      if (!levels.empty() && levels.back().object && levels.back().expectKey) {
        Level& level = levels.back();
        lastKey = KeyOf(json.mid(i, end - i));
        if (level.keys.contains(lastKey)) return PathOf(levels, lastKey);
        level.keys.insert(lastKey);
        level.expectKey = false;
      }
      i = end;
      continue;
    }
    if (c == '{' || c == '[') {
      const bool inObject = !levels.empty() && levels.back().object;
      levels.push_back({c == '{', inObject ? lastKey : QString(), {}});
    } else if ((c == '}' || c == ']') && !levels.empty()) {
      levels.pop_back();
    } else if (c == ',' && !levels.empty() && levels.back().object) {
      levels.back().expectKey = true;
    }
    ++i;
  }
  return std::nullopt;
}

std::optional<qsizetype> FirstRawControlInString(const QByteArray& json) {
  for (qsizetype i = 0; i < json.size(); ++i) {
    if (json[i] != '"') continue;
    const qsizetype end = StringEnd(json, i);
    for (++i; i < end - 1 && i < json.size(); ++i) {
      if (static_cast<unsigned char>(json[i]) < 0x20) return i;
    }
  }
  return std::nullopt;
}

}  // namespace vorlan
