#include <QStringDecoder>
#include <QStringEncoder>

#include "link/device_codec.h"

namespace vorlan {

struct DeviceCodec::Converter {
  QStringDecoder decoder;
  QStringEncoder encoder;
};

DeviceCodec::DeviceCodec(const char* name)
    : converter_(new Converter{QStringDecoder(name, QStringConverter::Flag::Stateless),
                               QStringEncoder(name, QStringConverter::Flag::Stateless)}) {}

DeviceCodec::~DeviceCodec() = default;

bool DeviceCodec::isValid() const {
  return converter_->decoder.isValid() && converter_->encoder.isValid();
}

std::optional<QString> DeviceCodec::decode(const QByteArray& sequence) {
  QStringDecoder& decoder = converter_->decoder;
  QString text = decoder.decode(sequence);
  if (!decoder.hasError()) return text;
  decoder.resetState();
  return std::nullopt;
}

std::optional<QByteArray> DeviceCodec::encodeExactly(QStringView text) {
  QStringEncoder& encoder = converter_->encoder;
  QByteArray bytes = encoder.encode(text);
  if (!encoder.hasError()) return bytes;
  encoder.resetState();
  return std::nullopt;
}

QByteArray DeviceCodec::encode(QStringView text) {
  QStringEncoder& encoder = converter_->encoder;
  QByteArray bytes = encoder.encode(text);
  if (encoder.hasError()) encoder.resetState();
  return bytes;
}

}  // namespace vorlan
