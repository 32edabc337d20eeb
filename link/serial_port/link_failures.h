#pragma once
// The messages of a failing serial port, in the build's language, naming the port and its device.

#include <QSerialPort>
#include <QString>

#include "params/language_data.h"

namespace vorlan {

// Why opening `path` for port `portName` ("COM3") failed. `accessible` says whether this user may
// read and write the path: a permission error on a path the user may use means another program
// holds the port (Qt reports a held lock and a busy device as a permission error).
QString OpenFailureMessage(QSerialPort::SerialPortError error, bool accessible,
                           const QString& portName, const QString& path,
                           const QString& systemReason, const LanguageData& lang);

}  // namespace vorlan
