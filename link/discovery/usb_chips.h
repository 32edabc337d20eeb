#pragma once
// The USB-serial chips that trackers' cables use, by the vendor and product id the USB device
// reports. The packaged udev rule lists the same ids (a test keeps the two in step).

#include <QString>
#include <QtGlobal>
#include <optional>
#include <span>
#include <string_view>

namespace vorlan {

struct UsbId {
  quint16 vendor = 0;
  quint16 product = 0;

  bool operator==(const UsbId&) const = default;
};

struct UsbChip {
  UsbId id;
  std::string_view name;  // "CH340"
};

// Every chip the tool names, in table order.
std::span<const UsbChip> UsbSerialChips();

// The chip's name for a USB id, or nothing for an id not in the table.
std::optional<std::string_view> UsbChipName(UsbId id);

// "1a86:7523", as lsusb and udev write it.
QString UsbIdText(UsbId id);

// The ids in a Windows hardware id: "USB\VID_1A86&PID_7523&REV_0254", or
// "FTDIBUS\VID_0403+PID_6001+A50285BIA" where FTDI's own driver enumerates the port; nothing for
// a port that is not on USB ("ACPI\PNP0501").
std::optional<UsbId> UsbIdOfHardwareId(const QString& hardwareId);

}  // namespace vorlan
