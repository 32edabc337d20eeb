// The APRS-aware check, one table per rule family: values that pass and values that fail, with the
// edges (SSID 15 and 16, "-0", WIDE2-2 and WIDE3-3, port 65535 and 65536, a 7- and an 8-character
// WiFi password). The passcodes are not computed here with the code under test.

#include <gtest/gtest.h>

#include "check/configuration_check.h"
#include "check/passcode.h"
#include "params/presets.h"
#include "ui/lang/en/en_language.h"

namespace vorlan::test {
namespace {

using enum FindingId;
constexpr auto W = Severity::Warning;
constexpr auto N = Severity::Note;

ParameterSet Initial() {
  return InitialParameters(EnglishLanguage().values);
}

// The findings of one field, to compare with a row's.
Findings On(Field field, const Findings& all) {
  Findings mine;
  for (const Finding& f : all) {
    if (f.field == field) mine.push_back(f);
  }
  return mine;
}

Findings Check(Field field, const ParameterSet& params) {
  return On(field, CheckConfiguration(params));
}

struct TextRow {
  const char* text;
  Findings expected;  // of the row's field
};

// Each row's text in `field` over the initial values with `flags` on.
void ExpectRows(Field field, std::initializer_list<Field> flags, const std::vector<TextRow>& rows) {
  for (const auto& row : rows) {
    ParameterSet params = Initial();
    for (Field f : flags) params.setFlag(f, true);
    params.setText(field, QString::fromUtf8(row.text));
    EXPECT_EQ(Check(field, params), row.expected) << '"' << row.text << '"';
  }
}

TEST(CheckTest, Callsign) {
  const Field C = Field::Callsign;
  ExpectRows(C, {},
             {
                 {"BG7ABC-9", {}},
                 {"BG7ABC", {}},
                 {"B", {}},
                 {"BG7ABC-1", {}},
                 {"BG7ABC-15", {}},
                 {"BG7ABC-9   ", {}},  // the device's padding
                 {"BG7ABC-16", {{C, W, CallsignSsid, {"16"}}}},
                 {"BG7ABC-0", {{C, W, CallsignSsidZero, {"BG7ABC"}}}},
                 {"BG7ABC-09", {{C, W, CallsignSsid, {"09"}}}},
                 {"BG7ABC-", {{C, W, CallsignSsid, {""}}}},
                 {"BG7ABC-1-2", {{C, W, CallsignSsid, {"1-2"}}}},
                 {"BG7ABC-A", {{C, W, CallsignSsid, {"A"}}}},
                 {"BG7ABCD-1", {{C, W, CallsignBase, {"BG7ABCD"}}}},
                 {"BG 7AB", {{C, W, CallsignBase, {"BG 7AB"}}}},
                 {"BG7ÄBC", {{C, W, CallsignBase, {"BG7ÄBC"}}}},
                 {"", {{C, W, CallsignEmpty, {""}}}},
                 {"    ", {{C, W, CallsignEmpty, {""}}}},
                 {"bg7abc-9", {{C, W, CallsignLowerCase, {"BG7ABC-9"}}}},
                 {"NOCALL-9", {{C, W, CallsignPlaceholder, {"NOCALL"}}}},
                 {"N0CALL", {{C, W, CallsignPlaceholder, {"N0CALL"}}}},
             });

  SendFields send = InitialSendFields();
  EXPECT_EQ(CheckSendFields(send), Findings{});  // "NOCALL" as the addressee is only a form
  send.HisCallsign = "BG7XYZ-16";
  EXPECT_EQ(CheckSendFields(send), (Findings{{Field::HisCallsign, W, CallsignSsid, {"16"}}}));
}

TEST(CheckTest, Path) {
  const Field P = Field::Path;
  ExpectRows(P, {},
             {
                 {"WIDE1-1,WIDE2-1", {}},
                 {"WIDE2-2", {}},
                 {"WIDE2-1", {}},
                 {"WIDE2", {}},
                 {"", {}},
                 {"BG7XYZ-1,WIDE2-1", {}},
                 {"RFONLY,WIDE2-2", {}},
                 {"WIDE7-1", {}},
                 {"WIDE3-3", {{P, W, PathTooManyHops, {"WIDE3-3", "3"}}}},
                 {"WIDE1-1,WIDE2-2", {{P, W, PathTooManyHops, {"WIDE2-2", "3"}}}},
                 {"WIDE2-1,BG7XYZ,A", {{P, W, PathTooManyHops, {"A", "3"}}}},
                 {"WIDE8-1", {{P, W, PathElement, {"WIDE8-1"}}}},
                 {"WIDE0-0", {{P, W, PathElement, {"WIDE0-0"}}}},
                 {"WIDE2-3", {{P, W, PathElement, {"WIDE2-3"}}}},
                 {"WIDE2-01", {{P, W, PathElement, {"WIDE2-01"}}}},
                 {"WIDE1-1,", {{P, W, PathElement, {""}}}},
                 {"WIDE1-1 WIDE2-1", {{P, W, PathElement, {"WIDE1-1 WIDE2-1"}}}},
                 {"wide1-1", {{P, W, PathLowerCase, {"wide1-1", "WIDE1-1"}}}},
                 {"A,B,C,D,E,F,G,H,I",
                  {{P, W, PathTooManyElements, {"9"}}, {P, W, PathTooManyHops, {"C", "9"}}}},
             });
}

// Passcodes computed independently with the published algorithm, in Python:
//   h = 0x73E2; for i in range(0, len(c), 2): h ^= ord(c[i]) << 8; h ^= ord(c[i+1]) if any
//   passcode = h & 0x7FFF
TEST(CheckTest, PasscodesOfKnownCallsigns) {
  const std::pair<const char*, const char*> rows[] = {
      {"N0CALL", "13023"}, {"NOCALL", "12960"}, {"BG7ABC", "17575"}, {"W1AW", "25988"},
      {"K", "14562"},      {"VK2ABC", "21931"}, {"W2", "09424"},     {"BV2", "00948"},
  };
  for (const auto& [callsign, passcode] : rows) {
    EXPECT_EQ(PasscodeText(AprsIsPasscode(callsign)), passcode) << callsign;
  }
  EXPECT_EQ(AprsIsPasscode("bg7abc"), AprsIsPasscode("BG7ABC"));
  EXPECT_EQ(AprsIsPasscode("BG7ABC-9"), AprsIsPasscode("BG7ABC"));
}

TEST(CheckTest, LoginPasswordAgainstThePasscodeWhenLoggingIn) {
  const Field L = Field::LoginPassword;
  struct Row {
    bool login;
    const char* callsign;
    const char* password;
    Findings expected;
  } rows[] = {
      {true, "BG7ABC-9", "17575", {}},
      {true, "bg7abc-9", "17575", {}},  // the server takes the upper case's passcode
      {true, "W2", "09424", {}},
      {true, "W2", "9424 ", {}},
      {true, "DL1ABC-15", "17580", {}},
      {true, "BG7ABC-9", "17576", {{L, W, PasscodeWrong, {"BG7ABC"}}}},
      {true, "BG7ABC-9", "", {{L, W, PasscodeWrong, {"BG7ABC"}}}},
      {true, "BG7ABC-9", "1757a", {{L, W, PasscodeWrong, {"BG7ABC"}}}},
      {true, "BG7ABC-9", "-1", {{L, N, PasscodeReadOnly}}},
      {true, "BG7ABC-9", "-1   ", {{L, N, PasscodeReadOnly}}},
      {true, "BG7ABCDE", "12345", {}},  // no passcode without a callsign; Callsign says why
      {false, "BG7ABC-9", "12345", {}},
  };
  for (const Row& row : rows) {
    ParameterSet params = Initial();
    params.setFlag(Field::LoginServer, row.login);
    params.setText(Field::Callsign, row.callsign);
    params.setText(L, row.password);
    EXPECT_EQ(Check(L, params), row.expected) << row.callsign << " " << row.password;
  }
}

TEST(CheckTest, ServersWhenEnabled) {
  for (Field server : {Field::Server1, Field::Server2}) {
    const Field enable = server == Field::Server1 ? Field::Server1Enable : Field::Server2Enable;
    const Field S = server;
    ExpectRows(
        server, {enable},
        {
            {"rotate.aprs2.net:14580", {}},
            {"rotate.aprs2.net:65535", {}},
            {"rotate.aprs2.net:1", {}},
            {"192.168.1.10:10152", {}},
            {"[2001:db8::1]:14580", {}},
            {"rotate.aprs2.net:65536", {{S, W, ServerPort, {"65536"}}}},
            {"rotate.aprs2.net:0", {{S, W, ServerPort, {"0"}}}},
            {"rotate.aprs2.net:", {{S, W, ServerPort, {""}}}},
            {"rotate.aprs2.net", {{S, W, ServerNoPort}}},
            {"", {{S, W, ServerEmpty}}},
            {"aprs net:14580", {{S, W, ServerHost, {"aprs net"}}}},
            {".aprs2.net:x", {{S, W, ServerHost, {".aprs2.net"}}, {S, W, ServerPort, {"x"}}}},
        });
    ParameterSet off = Initial();
    off.setFlag(enable, false);
    off.setText(server, "");
    EXPECT_EQ(Check(server, off), Findings{});
  }
}

TEST(CheckTest, Filter) {
  const Field F = Field::Filter;
  ExpectRows(
      F, {},
      {
          {"m/50", {}},
          {"", {}},
          {"r/22.5/114.1/50 -b/NOCALL", {}},
          {"t/poimqstunw", {}},
          {"t/m/BG7ABC/50", {}},
          {"s//#", {}},
          {"a/40/-80/30/-70", {}},
          {"f/BG7ABC/50 q/C p/BG e/BG7ABC g/ANN d/BG7XYZ o/OBJ u/APRS", {}},
          {"x/1", {{F, W, FilterUnknownKind, {"x/1"}}}},
          {"m50", {{F, W, FilterUnknownKind, {"m50"}}}},
          {"r/22.5/114.1", {{F, W, FilterArguments, {"r/22.5/114.1", "r/lat/lon/dist"}}}},
          {"-b/", {{F, W, FilterArguments, {"-b/", "b/call1/call2..."}}}},
          {"t/pz", {{F, W, FilterArguments, {"t/pz", "t/poimqstunw/call/km"}}}},
          {"t/m/BG7ABC", {{F, W, FilterArguments, {"t/m/BG7ABC", "t/poimqstunw/call/km"}}}},
          {"r/95/114/50", {{F, W, FilterRange, {"r/95/114/50", "95", "-90", "90"}}}},
          {"a/40/-181/30/-70", {{F, W, FilterRange, {"a/40/-181/30/-70", "-181", "-180", "180"}}}},
          {"m/-5", {{F, W, FilterRange, {"m/-5", "-5", "0", "20000"}}}},
          {"m/fifty", {{F, W, FilterNumber, {"m/fifty", "fifty"}}}},
          {"m/50 b/ %1",
           {{F, W, FilterArguments, {"b/", "b/call1/call2..."}},
            {F, W, FilterUnknownKind, {"%1"}}}},
      });
}

TEST(CheckTest, FixedPosition) {
  struct Row {
    bool fixed;
    const char* latitude;
    const char* longitude;
    Findings expected;  // of both fields
  } rows[] = {
      {true, "2300.00N", "11300.00E", {}},
      {true, "9000.00N", "18000.00W", {}},
      {true,
       "0000.00N",
       "00000.00E",
       {{Field::Latitude, W, NullPosition}, {Field::Longitude, W, NullPosition}}},
      {true,
       "0000.00S",
       "00000.00W",
       {{Field::Latitude, W, NullPosition}, {Field::Longitude, W, NullPosition}}},
      {true, "0000.00N", "11300.00E", {}},
      {true, "9000.01N", "11300.00E", {{Field::Latitude, W, PositionRange, {"9000.01N", "90"}}}},
      {true, "2360.00N", "11300.00E", {{Field::Latitude, W, PositionRange, {"2360.00N", "90"}}}},
      {true, "2300.00N", "18100.00E", {{Field::Longitude, W, PositionRange, {"18100.00E", "180"}}}},
      {true, "23.5N", "113E", {}},  // the form is the entry's matter, not this check's
      {false, "0000.00N", "00000.00E", {}},
  };
  for (const Row& row : rows) {
    ParameterSet params = Initial();
    params.setFlag(Field::FixedPosition, row.fixed);
    params.setText(Field::Latitude, row.latitude);
    params.setText(Field::Longitude, row.longitude);
    Findings found = Check(Field::Latitude, params);
    for (const Finding& f : Check(Field::Longitude, params)) found.push_back(f);
    EXPECT_EQ(found, row.expected) << row.latitude << " " << row.longitude;
  }
}

TEST(CheckTest, ChannelFrequencies) {
  for (Field channel : {Field::Channel1Freq, Field::Channel2Freq}) {
    const Field C = channel;
    ExpectRows(channel, {},
               {
                   {"144.640", {}},
                   {"136.000", {}},
                   {"174.000", {}},
                   {"400.000", {}},
                   {"480.000", {}},
                   {"438.500", {}},
                   {"438.5", {}},  // the form is the entry's matter
                   {"135.999", {{C, W, FrequencyRange, {"135.999"}}}},
                   {"174.001", {{C, W, FrequencyRange, {"174.001"}}}},
                   {"350.000", {{C, W, FrequencyRange, {"350.000"}}}},
                   {"480.001", {{C, W, FrequencyRange, {"480.001"}}}},
                   {"14a.640", {}},  // the form is the entry's matter
                   {"", {}},
               });
  }
}

TEST(CheckTest, WifiWhenAnInternetFunctionIsOn) {
  const Field P = Field::WifiPassword;
  for (Field function : {Field::LoginServer, Field::RfToIs, Field::IsToRf, Field::IsToBluetooth}) {
    ExpectRows(P, {function},
               {
                   {"12345678", {}},
                   {"", {}},  // an open network
                   {"1234567", {{P, W, WifiPasswordShort, {"7"}}}},
                   {"1234567   ", {{P, W, WifiPasswordShort, {"7"}}}},
                   {"密码12345678", {{P, W, WifiPasswordCharacter, {"密"}}}},
               });
    ExpectRows(Field::WifiSsid, {function},
               {{"NOSSID", {}}, {"", {{Field::WifiSsid, W, WifiSsidEmpty}}}});
  }
  ExpectRows(P, {}, {{"1234567", {}}});
  ExpectRows(Field::WifiSsid, {}, {{"", {}}});
}

TEST(CheckTest, PhoneNumbers) {
  for (Field phone : {Field::AlarmPhone, Field::MyPhone}) {
    const Field T = phone;
    ExpectRows(phone, {},
               {
                   {"", {}},
                   {"13800138000", {}},
                   {"+8613800138000", {}},
                   {"+", {{T, W, PhoneNumber, {"+"}}}},
                   {"138-0013", {{T, W, PhoneNumber, {"-"}}}},
                   {"+86 138", {{T, W, PhoneNumber, {" "}}}},
                   {"1+2", {{T, W, PhoneNumber, {"+"}}}},
               });
  }
}

TEST(CheckTest, SymbolCode) {
  const Field S = Field::SymbolCode;
  ExpectRows(S, {},
             {
                 {"[", {}},
                 {"!", {}},
                 {"~", {}},
                 {">", {}},
                 {"#", {{S, W, SymbolDelimiter, {"#"}}}},
                 {"&", {{S, W, SymbolDelimiter, {"&"}}}},
                 {"|", {{S, W, SymbolDelimiter, {"|"}}}},
                 {" ", {{S, W, SymbolNotPrintable, {" "}}}},
                 {"", {{S, W, SymbolNotPrintable, {""}}}},
                 {"中", {{S, W, SymbolNotPrintable, {"中"}}}},
             });
}

TEST(CheckTest, TheInitialValuesWarnOnlyOfThePlaceholderCallsign) {
  EXPECT_EQ(CheckConfiguration(Initial()),
            (Findings{{Field::Callsign, W, CallsignPlaceholder, {"NOCALL"}}}));
}

TEST(CheckTest, TextsTakeEachValueOnce) {
  EXPECT_EQ(FillIn(u"\"%1\" is %2, not %3%", {"%2", "x"}), "\"%2\" is x, not %3%");
  const Findings findings = {{Field::Path, W, PathElement},
                             {Field::Callsign, N, PasscodeReadOnly},
                             {Field::Path, W, PathLowerCase},
                             {Field::Callsign, W, CallsignBase}};
  EXPECT_EQ(WarningCount(findings), 3);
  EXPECT_EQ(WarnedFields(findings), (std::vector<Field>{Field::Path, Field::Callsign}));
}

}  // namespace
}  // namespace vorlan::test
