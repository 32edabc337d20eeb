#include "check/en/english_findings.h"

namespace vorlan {
namespace {

using enum FindingId;
constexpr auto kFindings = ByFinding({
    {CallsignEmpty, "No callsign: the tracker's packets carry none, and nobody takes them."},
    {CallsignBase, "\"%1\" is no callsign: it takes 1 to 6 letters and digits (AX.25)."},
    {CallsignSsid,
     "The SSID \"%1\" is none of 1 to 15 written without a leading zero: AX.25 cannot carry "
     "it."},
    {CallsignSsidZero, "\"-0\" is not written: the station is \"%1\"."},
    {CallsignLowerCase,
     "Write the callsign in upper case, \"%1\": APRS-IS and digipeaters do not take lower "
     "case."},
    {CallsignPlaceholder,
     "%1 stands for a station not set up yet: APRS-IS refuses it and digipeaters drop its "
     "packets. Put in your own callsign."},
    {PathElement,
     "\"%1\" is neither a callsign with SSID nor a WIDEn-N alias (n 1 to 7, N 0 to n): "
     "digipeaters ignore it."},
    {PathLowerCase, "Write \"%1\" in upper case, \"%2\": digipeaters do not take lower case."},
    {PathTooManyHops,
     "With \"%1\" the path asks for %2 hops, more than WIDE2-2 (2 hops): it floods the network, "
     "and many digipeaters drop it."},
    {PathTooManyElements, "%1 digipeaters in the path: AX.25 carries at most 8."},
    {PasscodeWrong,
     "This is not the APRS-IS passcode of %1: the server takes the tracker as unverified and "
     "drops what it sends."},
    {PasscodeReadOnly,
     "\"-1\" logs in read-only: the server sends to the tracker but takes nothing from it."},
    {ServerEmpty, "Enabled, but no server: write host:port, as rotate.aprs2.net:14580."},
    {ServerNoPort, "No port: write host:port, as rotate.aprs2.net:14580."},
    {ServerPort, "The port \"%1\" is none of 1 to 65535."},
    {ServerHost, "\"%1\" is no host name or address."},
    {FilterUnknownKind,
     "\"%1\" is no APRS-IS filter command (r/ p/ b/ o/ t/ s/ d/ a/ e/ g/ q/ m/ f/ u/, each may "
     "have \"-\" before it): the server cannot parse the filter."},
    {FilterArguments,
     "\"%1\" does not have the arguments of %2: the server cannot parse the filter."},
    {FilterNumber, "\"%1\": \"%2\" is not a number."},
    {FilterRange, "\"%1\": %2 lies outside %3 to %4."},
    {NullPosition,
     "0000.00N 00000.00E is the null position, in the sea off Africa: put in the station's "
     "position."},
    {PositionRange, "\"%1\" is no position: at most %2 degrees, and the minutes under 60."},
    {FrequencyRange,
     "%1 MHz lies outside the radio's range, 136.000-174.000 and 400.000-480.000 MHz."},
    {WifiSsidEmpty,
     "No WiFi network name, but an internet function is on: the tracker cannot reach the "
     "server."},
    {WifiPasswordShort,
     "A WPA2 password has 8 to 63 characters, this one %1: the tracker cannot join the network. "
     "Leave it empty for an open network."},
    {WifiPasswordCharacter, "A WPA2 password takes only printable ASCII characters, not \"%1\"."},
    {PhoneNumber, "A phone number takes digits with one \"+\" before them, not \"%1\"."},
    {SymbolNotPrintable, "\"%1\" is no APRS symbol: one printable character from ! to ~."},
    {SymbolDelimiter, "\"%1\" cannot go to the device: the write frame uses it as a delimiter."},
});
static_assert(AllFindingTexts(kFindings));

}  // namespace

const FindingTexts& EnglishFindingTexts() {
  return kFindings;
}

}  // namespace vorlan
