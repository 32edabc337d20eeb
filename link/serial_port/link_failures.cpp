#include "link/serial_port/link_failures.h"

namespace vorlan {

QString OpenFailureMessage(QSerialPort::SerialPortError error, bool accessible,
                           const QString& portName, const QString& path,
                           const QString& systemReason, const LanguageData& lang) {
  switch (error) {
    case QSerialPort::DeviceNotFoundError:
      return Text(lang.portMissing).arg(portName, path);
    case QSerialPort::PermissionError: {
#ifdef Q_OS_WIN
      accessible = true;  // Windows denies access to a port that another program has open
#endif
      if (!accessible) return Text(lang.portNoPermission).arg(portName, path);
      QString message = Text(lang.portBusy).arg(portName, path);
      if (path.contains(QLatin1String("ttyACM"))) message += Text(lang.portBusyModemManager);
      return message;
    }
    default:
      return Text(lang.portOpenFailed).arg(portName, path, systemReason);
  }
}

}  // namespace vorlan
