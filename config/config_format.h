#pragma once
// The configuration file: its name and version, and what a file says about where it came from.

#include <QDateTime>
#include <QString>
#include <optional>
#include <string_view>

namespace vorlan {

inline constexpr std::string_view kConfigFormatName = "vorlan_setup configuration";
// The newest version this program reads and the one it writes. A reader refuses a newer file.
inline constexpr int kConfigFormatVersion = 1;

// Where a configuration was read from the device.
struct ReadOrigin {
  QString port;    // as the user named it: "COM1" or a device path
  QString device;  // the device path it stood for; may be empty
  QDateTime time;  // when the read-back came

  bool operator==(const ReadOrigin&) const = default;
};

// What saves a file, and when.
struct SaveInfo {
  QString program;  // "vorlan_cli", "vorlan_setup_en"
  QString version;  // "1.0.0"
  QDateTime time;
  std::optional<ReadOrigin> read = {};  // for a configuration straight from a read-back

  bool operator==(const SaveInfo&) const = default;
};

}  // namespace vorlan
