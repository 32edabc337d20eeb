#include "link/serial_port/link_failures.h"

#include <gtest/gtest.h>

#include "ui/lang/en/en_language.h"
#include "ui/lang/zh/zh_language.h"

namespace vorlan {
namespace {

TEST(LinkFailures, OpenErrorsNameThePortTheDeviceAndTheRemedy) {
  const struct {
    const LanguageData& lang;
    QSerialPort::SerialPortError error;
    bool accessible;
    const char* path;
    const char* message;
  } rows[] = {
      {EnglishLanguage(), QSerialPort::DeviceNotFoundError, true, "/dev/ttyUSB0",
       "Cannot open COM4 (/dev/ttyUSB0): the device is not there. Check that it is plugged in."},
      {EnglishLanguage(), QSerialPort::PermissionError, false, "/dev/ttyUSB0",
       "Cannot open COM4 (/dev/ttyUSB0): permission denied. On Linux the user must be in the "
       "\"dialout\" group: run \"sudo usermod -aG dialout $USER\", then log out and in again."},
      {EnglishLanguage(), QSerialPort::PermissionError, true, "/dev/ttyUSB0",
       "Cannot open COM4 (/dev/ttyUSB0): another program is using the port. Close it and pick "
       "the port again."},
      {EnglishLanguage(), QSerialPort::PermissionError, true, "/dev/ttyACM1",
       "Cannot open COM4 (/dev/ttyACM1): another program is using the port. Close it and pick "
       "the port again. ModemManager often takes new ttyACM ports: stop it (sudo systemctl stop "
       "ModemManager) or wait a moment."},
      {EnglishLanguage(), QSerialPort::UnsupportedOperationError, true, "/dev/ttyS0",
       "Cannot open COM4 (/dev/ttyS0): Unsupported operation"},
      {ChineseLanguage(), QSerialPort::PermissionError, false, "/dev/ttyUSB0",
       "无法打开 COM4 (/dev/ttyUSB0): 没有权限。在 Linux 上用户必须属于 \"dialout\" 组: 运行 "
       "\"sudo usermod -aG dialout $USER\", 然后重新登录。"},
      {ChineseLanguage(), QSerialPort::PermissionError, true, "/dev/ttyACM0",
       "无法打开 COM4 (/dev/ttyACM0): 串口正被其他程序使用。请关闭该程序后重新选择串口。 "
       "ModemManager 常会占用新接入的 ttyACM 串口: 请停止它 (sudo systemctl stop ModemManager) "
       "或稍等片刻。"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(OpenFailureMessage(row.error, row.accessible, "COM4", row.path,
                                 "Unsupported operation", row.lang),
              QString::fromUtf8(row.message));
  }
}

}  // namespace
}  // namespace vorlan
