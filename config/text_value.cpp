#include "config/text_value.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include "link/device_text.h"

namespace vorlan {
namespace {

const QString kTextKey = QStringLiteral("text");
const QString kHexKey = QStringLiteral("hex");

bool IsPrintableAscii(QChar c) {
  return c.unicode() >= 0x20 && c.unicode() < 0x7F;
}

// Length of the character at i: 2 for a surrogate pair, else 1.
qsizetype CharacterLength(const QString& text, qsizetype i) {
  return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
}

// A character a file can hold as text: printable, not half of a pair, and back unchanged from the
// device's encoding.
bool IsPlainCharacter(QStringView character) {
  if (character.size() == 1 && IsPrintableAscii(character[0])) return true;
  const char32_t code = character.size() == 2 ? QChar::surrogateToUcs4(character[0], character[1])
                                              : character[0].unicode();
  if (QChar::isSurrogate(code) || QChar::category(code) == QChar::Other_Control) return false;
  const QString text = character.toString();
  return DecodeDeviceText(EncodeDeviceText(text)) == text;
}

// How many leading UTF-16 units of the text are plain characters.
qsizetype PlainPrefixLength(const QString& text) {
  qsizetype i = 0;
  while (i < text.size()) {
    const qsizetype length = CharacterLength(text, i);
    if (!IsPlainCharacter(QStringView(text).mid(i, length))) break;
    i += length;
  }
  return i;
}

// The index of the first UTF-16 unit that is half of no pair, or -1. JSON can spell one
// ("\ud800"), but it is no character: the device's encoding would drop it or put another byte.
qsizetype FirstLoneSurrogate(const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      ++i;
    } else if (text[i].isSurrogate()) {
      return i;
    }
  }
  return -1;
}

bool IsHex(const QString& hex) {
  static const QRegularExpression pairs(QStringLiteral("^(?:[0-9A-Fa-f]{2})*$"));
  return pairs.match(hex).hasMatch();
}

}  // namespace

QString JsonString(const QString& text) {
  const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
  return QString::fromUtf8(array.mid(1, array.size() - 2));
}

QString TextValueJson(const QString& text) {
  const qsizetype plain = PlainPrefixLength(text);
  if (plain == text.size()) return JsonString(text);
  const QByteArray rest = EncodeDeviceText(text.mid(plain));
  QString json = QStringLiteral("{");
  if (plain > 0)
    json += JsonString(kTextKey) + QStringLiteral(": ") + JsonString(text.left(plain)) +
            QStringLiteral(", ");
  return json + JsonString(kHexKey) + QStringLiteral(": ") +
         JsonString(QString::fromLatin1(rest.toHex())) + QStringLiteral("}");
}

QJsonValue TextValue(const QString& text) {
  const qsizetype plain = PlainPrefixLength(text);
  if (plain == text.size()) return text;
  QJsonObject object{{kHexKey, QString::fromLatin1(EncodeDeviceText(text.mid(plain)).toHex())}};
  if (plain > 0) object.insert(kTextKey, text.left(plain));
  return object;
}

std::variant<QString, ConfigProblem> ReadTextValue(const QJsonValue& value, const QString& key,
                                                   const QString& file, QStringList& unknownKeys) {
  auto wrongType = [&](const QString& at, ValueType expected) {
    ConfigProblem problem{ConfigProblem::Kind::WrongType, file, at};
    problem.expected = expected;
    return problem;
  };
  auto notText = [&](const QString& at, const QString& text) -> std::optional<ConfigProblem> {
    const qsizetype lone = FirstLoneSurrogate(text);
    if (lone < 0) return std::nullopt;
    ConfigProblem problem{ConfigProblem::Kind::NotText, file, at};
    problem.found = lone;
    return problem;
  };
  if (value.isString()) {
    if (auto problem = notText(key, value.toString())) return *problem;
    return value.toString();
  }
  if (!value.isObject()) return wrongType(key, ValueType::Text);

  const QJsonObject object = value.toObject();
  for (auto it = object.begin(); it != object.end(); ++it) {
    if (it.key() != kTextKey && it.key() != kHexKey) unknownKeys << key + '.' + it.key();
  }
  const QJsonValue text = object.value(kTextKey);
  const QJsonValue hex = object.value(kHexKey);
  if (!text.isUndefined() && !text.isString())
    return wrongType(key + '.' + kTextKey, ValueType::String);
  if (!hex.isUndefined() && !hex.isString())
    return wrongType(key + '.' + kHexKey, ValueType::String);
  // Checked apart from the hex part: a high surrogate at its end would pair with a byte stand-in.
  if (auto problem = notText(key + '.' + kTextKey, text.toString())) return *problem;
  if (!IsHex(hex.toString())) {
    return ConfigProblem{
        ConfigProblem::Kind::BadHex, file, key + '.' + kHexKey, {}, hex.toString()};
  }
  return text.toString() + DecodeDeviceText(QByteArray::fromHex(hex.toString().toLatin1()));
}

}  // namespace vorlan
