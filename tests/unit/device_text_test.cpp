#include "link/device_text.h"

#include <gtest/gtest.h>

#include <QList>

namespace vorlan {
namespace {

TEST(DeviceText, TextGoesOutAsGb18030AndComesBack) {
  // U+10080 and U+100FF have low surrogates in the range kept for undecodable bytes.
  const char32_t beyond[] = {U'\U00010080', U'\U000100FF', U'\U00020000'};
  const struct {
    QString text;
    const char* hex;
  } rows[] = {
      {"频道1收发", "c6b5b5c031cad5b7a2"},
      {QString::fromUcs4(beyond, 1), "90308d38"},
      {QString::fromUcs4(beyond + 1, 1), "90309a35"},
      {QString::fromUcs4(beyond + 2, 1), "95328236"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(EncodeDeviceText(row.text).toHex(), QByteArray(row.hex));
    EXPECT_EQ(DecodeDeviceText(QByteArray::fromHex(row.hex)), row.text);
  }
}

// Fillers, a character cut in two, bytes that are no GB18030, and four-byte sequences under a few
// leads, valid or not.
TEST(DeviceText, EveryByteStringComesBackByteForByte) {
  QList<QByteArray> rows = {QByteArray("NOCALL-9\0\0\0\0", 12), "NOCALL-9\xff\xff\xff\xff",
                            "\xc6\xb5\xb5", "\x80\x81\x30\xfe", QByteArray()};
  for (int b = 0; b < 256; ++b) rows.last() += static_cast<char>(b);
  for (int lead : {0x81, 0x84, 0x90, 0xE3, 0xFE}) {
    for (int b2 = 0x30; b2 <= 0x39; ++b2) {
      for (int b3 = 0x81; b3 <= 0xFE; ++b3) {
        for (int b4 = 0x30; b4 <= 0x39; ++b4) {
          const char sequence[] = {char(lead), char(b2), char(b3), char(b4)};
          rows << QByteArray(sequence, 4);
        }
      }
    }
  }
  for (const auto& bytes : rows) {
    ASSERT_EQ(EncodeDeviceText(DecodeDeviceText(bytes)), bytes) << bytes.toHex().constData();
  }
}

}  // namespace
}  // namespace vorlan
