// The station's own settings: its fixed position, the channel frequencies, its symbol and the two
// phone numbers.

#include <QRegularExpression>
#include <array>
#include <string_view>

#include "check/callsign.h"
#include "check/rules.h"

namespace vorlan::rules {
namespace {

// APRS protocol reference, chapter 6: latitude "ddmm.hhN", longitude "dddmm.hhE".
struct Coordinate {
  Field field;
  const char* pattern;
  int maxDegrees;
};
constexpr std::array<Coordinate, 2> kCoordinates = {{
    {Field::Latitude, "^(\\d{2})(\\d{2})\\.(\\d{2})[NS]$", 90},
    {Field::Longitude, "^(\\d{3})(\\d{2})\\.(\\d{2})[EW]$", 180},
}};

// The radio's range, as the Chinese window states it beside the channels: 136.000 to 174.000 MHz
// and 400.000 to 480.000 MHz. In kHz.
struct Band {
  int lowKhz, highKhz;
};
constexpr std::array<Band, 2> kBands = {{{136000, 174000}, {400000, 480000}}};
constexpr std::array<Field, 2> kChannels = {Field::Channel1Freq, Field::Channel2Freq};

// APRS protocol reference, chapter 20 and appendix 2: a symbol code is one printable character "!"
// to "~". The write frame ends its head, its fields and itself with "&", "|" and "#": the device
// would take one of those in the symbol's place for the frame's own.
constexpr char16_t kFirstSymbol = '!', kLastSymbol = '~';
constexpr std::string_view kFrameDelimiters = "&|#";

constexpr std::array<Field, 2> kPhones = {Field::AlarmPhone, Field::MyPhone};

struct Minutes {
  int degrees, minutes;  // minutes in hundredths
};

std::optional<Minutes> ParseCoordinate(const Coordinate& c, const QString& text) {
  const QRegularExpression pattern(QLatin1String(c.pattern));
  const auto match = pattern.match(text);
  if (!match.hasMatch()) return std::nullopt;  // its form is the entry's own matter
  return Minutes{match.captured(1).toInt(),
                 match.captured(2).toInt() * 100 + match.captured(3).toInt()};
}

void CheckPosition(const ParameterSet& params, Findings& findings) {
  if (!params.flag(Field::FixedPosition)) return;
  std::array<std::optional<Minutes>, 2> parsed;
  for (std::size_t i = 0; i < kCoordinates.size(); ++i) {
    parsed[i] =
        ParseCoordinate(kCoordinates[i], WithoutPadding(params.text(kCoordinates[i].field)));
  }
  const auto zero = [](const std::optional<Minutes>& m) {
    return m && m->degrees == 0 && m->minutes == 0;
  };
  if (zero(parsed[0]) && zero(parsed[1])) {
    for (const Coordinate& c : kCoordinates) {
      findings.push_back({c.field, Severity::Warning, FindingId::NullPosition});
    }
    return;
  }
  for (std::size_t i = 0; i < kCoordinates.size(); ++i) {
    const Coordinate& c = kCoordinates[i];
    const auto& m = parsed[i];
    const bool inRange =
        !m || (m->minutes < 6000 &&
               (m->degrees < c.maxDegrees || (m->degrees == c.maxDegrees && m->minutes == 0)));
    if (!inRange) {
      findings.push_back({c.field,
                          Severity::Warning,
                          FindingId::PositionRange,
                          {WithoutPadding(params.text(c.field)), QString::number(c.maxDegrees)}});
    }
  }
}

void CheckFrequencies(const ParameterSet& params, Findings& findings) {
  static const QRegularExpression mhz(QStringLiteral("^\\d{1,4}(\\.\\d{1,3})?$"));
  for (Field f : kChannels) {
    const QString text = WithoutPadding(params.text(f));
    if (!mhz.match(text).hasMatch()) continue;  // its form is the entry's own matter
    const int khz = qRound(text.toDouble() * 1000);
    const bool inBand = std::any_of(kBands.begin(), kBands.end(), [&](const Band& b) {
      return khz >= b.lowKhz && khz <= b.highKhz;
    });
    if (!inBand) findings.push_back({f, Severity::Warning, FindingId::FrequencyRange, {text}});
  }
}

void CheckSymbol(const ParameterSet& params, Findings& findings) {
  const QString& symbol = params.text(Field::SymbolCode);
  const char16_t c = symbol.size() == 1 ? symbol[0].unicode() : 0;
  if (c < kFirstSymbol || c > kLastSymbol) {
    findings.push_back(
        {Field::SymbolCode, Severity::Warning, FindingId::SymbolNotPrintable, {symbol}});
  } else if (kFrameDelimiters.find(static_cast<char>(c)) != std::string_view::npos) {
    findings.push_back(
        {Field::SymbolCode, Severity::Warning, FindingId::SymbolDelimiter, {symbol}});
  }
}

// A telephone number as the tracker dials it: digits, with one "+" before them for the country
// code (ITU-T E.164).
void CheckPhones(const ParameterSet& params, Findings& findings) {
  for (Field f : kPhones) {
    const QString number = WithoutPadding(params.text(f));
    if (number.isEmpty()) continue;
    const QStringView digits = QStringView(number).mid(number.startsWith('+') ? 1 : 0);
    const auto odd =
        std::find_if(digits.begin(), digits.end(), [](QChar c) { return c < '0' || c > '9'; });
    if (odd != digits.end()) {
      findings.push_back({f, Severity::Warning, FindingId::PhoneNumber, {*odd}});
    } else if (digits.isEmpty()) {
      findings.push_back({f, Severity::Warning, FindingId::PhoneNumber, {QStringLiteral("+")}});
    }
  }
}

}  // namespace

void CheckStation(const ParameterSet& params, Findings& findings) {
  CheckPosition(params, findings);
  CheckFrequencies(params, findings);
  CheckSymbol(params, findings);
  CheckPhones(params, findings);
}

}  // namespace vorlan::rules
