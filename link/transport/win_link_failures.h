#pragma once
// What a Win32 error code means for the serial port.

#include "link/link_failure.h"

namespace vorlan {

// Why CreateFile on a COM port failed, as the kind of failure. Windows denies access to a port
// that another program has open.
LinkFailure::Kind OpenFailureKind(unsigned long error);

// Whether an operation on an open port failed because the device went away (a USB adapter
// unplugged): the port is closed then, and the user has to pick it again.
bool DeviceGone(unsigned long error);

// The system's own words for the error, in the system's language.
QString SystemErrorText(unsigned long error);

}  // namespace vorlan
