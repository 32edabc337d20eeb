#include "link/en/english_port_failures.h"

namespace vorlan {

const PortFailureTexts& EnglishPortFailureTexts() {
  static constexpr PortFailureTexts texts{
      .unmapped =
          "%1 has no device: no serial port is present for it. Plug the device in, or set the "
          "environment variable VORLAN_%1 to the device's path.",
      .missing = "Cannot open %1: the device is not there. Check that it is plugged in.",
      .busy = "Cannot open %1: another program is using the port. Close it and try again.",
      .busyBy = "Cannot open %1: it is open in %2. Close it there and try again.",
      .staleLock =
          "Cannot open %1: the lock file %2 was left by process %3, which has ended, and you may "
          "not remove it. Remove it (sudo rm %2) and try again.",
      .holderName = "%1 (process %2)",
      .busyModemManager =
          " ModemManager takes new serial ports for a few seconds to look for a modem: wait a "
          "moment, or stop it (sudo systemctl stop ModemManager).",
      .takenByBrltty =
          " brltty, the Braille display service, takes USB-serial adapters with a CH340 or CH341 "
          "chip: if you use no Braille display, remove it (sudo apt remove brltty) and plug the "
          "adapter in again.",
      .noPermission =
          "Cannot open %1: permission denied. On Linux the user must be in the \"dialout\" group "
          "(\"uucp\" on Arch Linux): run \"sudo usermod -aG dialout $USER\", then log out and in "
          "again.",
      .noPermissionGroup =
          "Cannot open %1: permission denied. The port belongs to the group \"%2\": run \"sudo "
          "usermod -aG %2 $USER\", then log out and in again (a new terminal is not enough).",
      .noPermissionLogin =
          "Cannot open %1: permission denied. You have joined the group \"%2\", but this login "
          "began before that: log out and in again.",
      .openFailed = "Cannot open %1: %2",
      .clearFailed = "Nothing was sent to %1: emptying the port's buffer failed: %2",
      .writeFailed = "Nothing was sent to %1: %2",
      .outputFull = "Nothing was sent to %1: %2 bytes do not fit in the 512-byte output buffer.",
      .hungUp = "%1 was closed: the device was unplugged or hung up. Plug it in and try again.",
      .notDrained =
          "%1: %2 bytes were still waiting to be sent when the time ran out; the device may not "
          "have received all of them.",
  };
  return texts;
}

}  // namespace vorlan
