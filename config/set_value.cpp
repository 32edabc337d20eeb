#include "config/set_value.h"

#include "link/protocol.h"
#include "params/field_table.h"

namespace vorlan {

std::optional<QJsonValue> SetValue(Field field, const QString& value) {
  const bool oneByte = value.toUtf8().size() == 1;
  switch (Def(field).kind) {
    case FieldKind::Text:
      return QJsonValue(value);
    case FieldKind::Flag:
      if (value == QLatin1String("true") || value == QLatin1String("false")) {
        return QJsonValue(value == QLatin1String("true"));
      }
      if (DecodingOf(field) == ReadBackDecoding::EnableCode && oneByte) return QJsonValue(value);
      return std::nullopt;
    case FieldKind::WorkMode:
      if (oneByte) return QJsonValue(value);
      return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace vorlan
