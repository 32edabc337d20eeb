#include "link/device_text.h"

#include <gtest/gtest.h>

#include "qt_print.h"

namespace vorlan {
namespace {

TEST(DeviceText, AsciiAndChineseGoOutAsGb18030) {
  EXPECT_EQ(EncodeDeviceText("NOCALL-9"), QByteArray("NOCALL-9"));
  EXPECT_EQ(EncodeDeviceText(QString::fromUtf8("频道1收发")).toHex(),
            QByteArray("c6b5b5c031cad5b7a2"));
  EXPECT_EQ(DecodeDeviceText(QByteArray::fromHex("c6b5b5c031cad5b7a2")),
            QString::fromUtf8("频道1收发"));
}

TEST(DeviceText, EveryByteStringComesBackByteForByte) {
  const QByteArray rows[] = {
      QByteArray("NOCALL-9\0\0\0\0", 12),          // NUL filler
      QByteArray("NOCALL-9\xff\xff\xff\xff", 12),  // 0xFF filler
      QByteArray("\xc6\xb5\xb5", 3),      // a Chinese character cut in two at the field end
      QByteArray("\x80\x81\x30\xfe", 4),  // no GB18030 sequence at all
      QByteArray("\x81\x30\x81\x30", 4),  // a four-byte sequence
  };
  for (const auto& bytes : rows) {
    EXPECT_EQ(EncodeDeviceText(DecodeDeviceText(bytes)), bytes) << bytes.toHex().constData();
  }
  QByteArray all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(EncodeDeviceText(DecodeDeviceText(all)), all);
}

TEST(DeviceText, FindsDelimiterInsideAChineseCharacter) {
  // "亅" (U+4E85) encodes as 81 7C: its second byte is "|".
  const QString text = QString::fromUtf8("ab亅c");
  ASSERT_EQ(EncodeDeviceText(text).mid(2, 2).toHex(), QByteArray("817c"));
  EXPECT_EQ(CharacterEncodingAny(text, "&|#"), QString::fromUtf8("亅"));
  EXPECT_EQ(CharacterEncodingAny(QString::fromUtf8("频道"), "&|#"), std::nullopt);
}

TEST(DeviceText, CharactersBeyondTheBasicPlaneComeBack) {
  // U+10080 and U+100FF have a low surrogate in the range that stands for an undecodable byte.
  const struct {
    char32_t codePoint;
    const char* hex;
  } rows[] = {
      {U'\U00010080', "90308d38"}, {U'\U000100FF', "90309a35"}, {U'\U00020000', "95328236"}};
  for (const auto& row : rows) {
    const QString text = QString::fromUcs4(&row.codePoint, 1);
    EXPECT_EQ(EncodeDeviceText(text).toHex(), QByteArray(row.hex));
    EXPECT_EQ(DecodeDeviceText(QByteArray::fromHex(row.hex)), text);
  }
  // Every four-byte sequence under a few leads, valid or not, comes back as it was.
  for (int lead : {0x81, 0x84, 0x90, 0xE3, 0xFE}) {
    for (int b2 = 0x30; b2 <= 0x39; ++b2) {
      for (int b3 = 0x81; b3 <= 0xFE; ++b3) {
        for (int b4 = 0x30; b4 <= 0x39; ++b4) {
          const char bytes[] = {char(lead), char(b2), char(b3), char(b4)};
          const QByteArray sequence(bytes, 4);
          ASSERT_EQ(EncodeDeviceText(DecodeDeviceText(sequence)), sequence)
              << sequence.toHex().constData();
        }
      }
    }
  }
}

}  // namespace
}  // namespace vorlan
