#pragma once
// The character converter under the device's text: Qt's own where Qt has one for the name, ICU's
// converter where the system's Qt is built without ICU (Windows).

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <memory>
#include <optional>

namespace vorlan {

class DeviceCodec {
 public:
  // A codec that is not valid when the system knows no converter by this name.
  explicit DeviceCodec(const char* name);
  ~DeviceCodec();
  DeviceCodec(const DeviceCodec&) = delete;
  DeviceCodec& operator=(const DeviceCodec&) = delete;

  bool isValid() const;
  // The text of one whole byte sequence; nullopt when the converter takes it for no character.
  std::optional<QString> decode(const QByteArray& sequence);
  // The bytes of a text; nullopt when the converter cannot take every character of it.
  std::optional<QByteArray> encodeExactly(QStringView text);
  // The bytes of a text, a character the converter cannot take as its substitute.
  QByteArray encode(QStringView text);

 private:
  struct Converter;
  std::unique_ptr<Converter> converter_;
};

}  // namespace vorlan
