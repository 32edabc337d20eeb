#pragma once
// The serial link of the system the program is built for.

#include <QtGlobal>

#ifdef Q_OS_WIN
#include "link/transport/win_serial_link.h"
namespace vorlan {
using SystemSerialLink = WinSerialLink;
}
#else
#include "link/transport/qt_serial_link.h"
namespace vorlan {
using SystemSerialLink = QtSerialLink;
}
#endif
