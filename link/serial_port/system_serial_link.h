#pragma once
// The serial link of the system the program is built for.

#include <QtGlobal>

#ifdef Q_OS_WIN
#include "link/serial_port/win_serial_link.h"
namespace vorlan {
using SystemSerialLink = WinSerialLink;
}
#else
#include "link/serial_port/qt_serial_link.h"
namespace vorlan {
using SystemSerialLink = QtSerialLink;
}
#endif
