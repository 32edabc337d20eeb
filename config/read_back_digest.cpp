#include "config/read_back_digest.h"

#include <QCryptographicHash>
#include <QRegularExpression>

#include "link/write_frame.h"
#include "params/field_table.h"

namespace vorlan {
namespace {

constexpr int kTagBytes = 4;

QByteArray Tag(const ParameterSet& params, Field field) {
  QCryptographicHash hash(QCryptographicHash::Sha256);
  hash.addData(QByteArray(Def(field).name.data(), qsizetype(Def(field).name.size())));
  hash.addData(QByteArray(1, '\0'));
  hash.addData(FieldBytes(params, field));
  return hash.result().left(kTagBytes);
}

}  // namespace

QString ReadBackDigest(const ParameterSet& params) {
  QByteArray tags;
  for (const auto& f : ParameterTable()) tags += Tag(params, f.key);
  return QString::fromLatin1(tags.toHex());
}

std::vector<Field> FieldsMatchingDigest(const QString& digest, const ParameterSet& params,
                                        std::span<const Field> fields) {
  static const QRegularExpression hex(QStringLiteral("^[0-9a-f]*$"));
  if (digest.size() != 2 * kTagBytes * kParameterCount || !hex.match(digest).hasMatch()) return {};
  const QByteArray tags = QByteArray::fromHex(digest.toLatin1());
  std::vector<Field> matching;
  for (Field f : fields) {
    if (tags.mid(qsizetype(Index(f)) * kTagBytes, kTagBytes) == Tag(params, f)) {
      matching.push_back(f);
    }
  }
  return matching;
}

}  // namespace vorlan
