#pragma once
// The APRS-IS passcode: the number a server expects as the password of a login, so that it takes
// the station as verified and passes on what it sends.

#include <QString>

namespace vorlan {

// The well-known 15-bit hash of the callsign's base in upper case (the part before "-"), as the
// APRS-IS servers compute it: 0x73E2 with the characters folded in by pairs, the first of each
// pair into the high byte.
int AprsIsPasscode(const QString& base);

// Whether a login password is the passcode of the base: the server reads it as a number, so leading
// zeros do not matter.
bool IsPasscodeOf(const QString& password, const QString& base);

// The passcode as "Login password" takes it: five digits, with leading zeros ("09876").
QString PasscodeText(int passcode);

}  // namespace vorlan
