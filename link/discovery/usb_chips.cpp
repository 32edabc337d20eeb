#include "link/discovery/usb_chips.h"

#include <QRegularExpression>
#include <algorithm>
#include <array>

namespace vorlan {
namespace {

// The ids the Linux drivers ch341, cp210x, ftdi_sio and pl2303 announce for these chips.
constexpr std::array kChips = {
    UsbChip{{0x1a86, 0x7523}, "CH340"},       UsbChip{{0x1a86, 0x7522}, "CH340"},
    UsbChip{{0x1a86, 0x5523}, "CH341"},       UsbChip{{0x1a86, 0x55d4}, "CH9102"},
    UsbChip{{0x10c4, 0xea60}, "CP210x"},      UsbChip{{0x10c4, 0xea63}, "CP210x"},
    UsbChip{{0x10c4, 0xea70}, "CP2105"},      UsbChip{{0x10c4, 0xea71}, "CP2108"},
    UsbChip{{0x0403, 0x6001}, "FTDI FT232R"}, UsbChip{{0x0403, 0x6010}, "FTDI FT2232"},
    UsbChip{{0x0403, 0x6011}, "FTDI FT4232"}, UsbChip{{0x0403, 0x6014}, "FTDI FT232H"},
    UsbChip{{0x0403, 0x6015}, "FTDI FT-X"},   UsbChip{{0x067b, 0x2303}, "PL2303"},
    UsbChip{{0x067b, 0x23a3}, "PL2303GC"},    UsbChip{{0x067b, 0x23b3}, "PL2303GB"},
    UsbChip{{0x067b, 0x23c3}, "PL2303GT"},    UsbChip{{0x067b, 0x23d3}, "PL2303GL"},
    UsbChip{{0x067b, 0x23e3}, "PL2303GE"},    UsbChip{{0x067b, 0x23f3}, "PL2303GS"},
};

}  // namespace

std::span<const UsbChip> UsbSerialChips() {
  return kChips;
}

std::optional<std::string_view> UsbChipName(UsbId id) {
  const auto chip =
      std::find_if(kChips.begin(), kChips.end(), [&](const UsbChip& c) { return c.id == id; });
  if (chip == kChips.end()) return std::nullopt;
  return chip->name;
}

QString UsbIdText(UsbId id) {
  return QStringLiteral("%1:%2")
      .arg(id.vendor, 4, 16, QChar('0'))
      .arg(id.product, 4, 16, QChar('0'));
}

std::optional<UsbId> UsbIdOfHardwareId(const QString& hardwareId) {
  static const QRegularExpression ids(
      QStringLiteral("\\\\VID_([0-9A-Fa-f]{4})[&+]PID_([0-9A-Fa-f]{4})"));
  const auto match = ids.match(hardwareId);
  if (!match.hasMatch()) return std::nullopt;
  return UsbId{match.captured(1).toUShort(nullptr, 16), match.captured(2).toUShort(nullptr, 16)};
}

}  // namespace vorlan
