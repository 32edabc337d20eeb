#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>

#include "link/device_codec.h"

namespace vorlan {

struct DeviceCodec::Converter {
  UConverter* icu = nullptr;
};

DeviceCodec::DeviceCodec(const char* name) : converter_(new Converter) {
  UErrorCode status = U_ZERO_ERROR;
  UConverter* icu = ucnv_open(name, &status);
  if (U_SUCCESS(status)) converter_->icu = icu;
}

DeviceCodec::~DeviceCodec() {
  if (converter_->icu) ucnv_close(converter_->icu);
}

bool DeviceCodec::isValid() const {
  return converter_->icu != nullptr;
}

std::optional<QString> DeviceCodec::decode(const QByteArray& sequence) {
  if (!isValid()) return std::nullopt;
  UErrorCode status = U_ZERO_ERROR;
  ucnv_resetToUnicode(converter_->icu);
  ucnv_setToUCallBack(converter_->icu, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
  QString text(2 * sequence.size() + 1, Qt::Uninitialized);  // as ICU asks for whole texts
  const int32_t length =
      ucnv_toUChars(converter_->icu, reinterpret_cast<UChar*>(text.data()), int32_t(text.size()),
                    sequence.constData(), int32_t(sequence.size()), &status);
  if (U_FAILURE(status)) return std::nullopt;
  text.truncate(length);
  return text;
}

namespace {

std::optional<QByteArray> Encode(UConverter* icu, QStringView text, UConverterFromUCallback onBad) {
  UErrorCode status = U_ZERO_ERROR;
  ucnv_resetFromUnicode(icu);
  ucnv_setFromUCallBack(icu, onBad, nullptr, nullptr, nullptr, &status);
  QByteArray bytes((text.size() + 10) * ucnv_getMaxCharSize(icu), Qt::Uninitialized);
  const int32_t length =
      ucnv_fromUChars(icu, bytes.data(), int32_t(bytes.size()),
                      reinterpret_cast<const UChar*>(text.utf16()), int32_t(text.size()), &status);
  if (U_FAILURE(status)) return std::nullopt;
  bytes.truncate(length);
  return bytes;
}

}  // namespace

std::optional<QByteArray> DeviceCodec::encodeExactly(QStringView text) {
  if (!isValid()) return std::nullopt;
  return Encode(converter_->icu, text, UCNV_FROM_U_CALLBACK_STOP);
}

QByteArray DeviceCodec::encode(QStringView text) {
  if (!isValid()) return {};
  return Encode(converter_->icu, text, UCNV_FROM_U_CALLBACK_SUBSTITUTE).value_or(QByteArray());
}

}  // namespace vorlan
