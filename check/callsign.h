#pragma once
// Callsigns as APRS and AX.25 take them, and the padding a device puts after a short text.

#include <QString>
#include <optional>

#include "check/finding.h"

namespace vorlan {

// A text as the device means it: without the filler it pads a short field with on the way back
// (blanks, NUL, and the byte 0xFF, which the device text keeps as U+DCFF).
QString WithoutPadding(const QString& text);

struct CallsignFault {
  FindingId id;   // CallsignEmpty, CallsignBase, CallsignSsid, CallsignSsidZero or
                  // CallsignLowerCase
  QString value;  // the value that id's text shows
};

// The first thing wrong with a callsign: AX.25 carries a base of 1 to 6 letters and digits and an
// SSID 0 to 15 in its address field; APRS writes the SSID as "-1" to "-15", never "-0" or with a
// leading zero (APRS protocol reference, chapters 3 and 4), and APRS-IS takes upper case only.
std::optional<CallsignFault> CheckCallsign(const QString& callsign);

// The base of the callsign in upper case ("BG7ABC" of "bg7abc-9"), when it is 1 to 6 letters and
// digits; the APRS-IS passcode belongs to it.
std::optional<QString> CallsignBase(const QString& callsign);

// The callsigns that stand for "not set up yet"; APRS-IS servers refuse them as a login and
// digipeaters drop their packets.
bool IsPlaceholder(const QString& base);

}  // namespace vorlan
