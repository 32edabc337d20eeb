// The station's own settings: its fixed position, the channel frequencies, its symbol and the two
// phone numbers.

#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <string_view>

#include "check/callsign.h"
#include "check/rules.h"
#include "params/field_table.h"
#include "params/text_form.h"

namespace vorlan::rules {
namespace {

// APRS protocol reference, chapter 6: latitude "ddmm.hhN", longitude "dddmm.hhE". Whether a
// value of that shape lies on the globe is the field's form (params/text_form.h).
struct Coordinate {
  Field field;
  const char* shape;
  int maxDegrees;
};
constexpr std::array<Coordinate, 2> kCoordinates = {{
    {Field::Latitude, "^\\d{4}\\.\\d{2}[NS]$", 90},
    {Field::Longitude, "^\\d{5}\\.\\d{2}[EW]$", 180},
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

bool HasShape(const Coordinate& c, const QString& text) {
  return QRegularExpression(QLatin1String(c.shape)).match(text).hasMatch();
}

// 0000.00N 00000.00E, whatever the hemispheres.
bool IsNullPosition(const std::array<QString, 2>& texts) {
  for (std::size_t i = 0; i < kCoordinates.size(); ++i) {
    const QString& text = texts[i];
    const bool zero =
        std::none_of(text.begin(), text.end(), [](QChar c) { return c >= '1' && c <= '9'; });
    if (!HasShape(kCoordinates[i], text) || !zero) return false;
  }
  return true;
}

void CheckPosition(const ParameterSet& params, Findings& findings) {
  if (!params.flag(Field::FixedPosition)) return;
  std::array<QString, 2> texts;
  for (std::size_t i = 0; i < kCoordinates.size(); ++i) {
    texts[i] = WithoutPadding(params.text(kCoordinates[i].field));
  }
  if (IsNullPosition(texts)) {
    for (const Coordinate& c : kCoordinates) {
      findings.push_back({c.field, Severity::Warning, FindingId::NullPosition});
    }
    return;
  }
  for (std::size_t i = 0; i < kCoordinates.size(); ++i) {
    const Coordinate& c = kCoordinates[i];
    // Another shape is the entry's own matter; this one must name a place.
    if (HasShape(c, texts[i]) && !HasForm(Def(c.field).form, texts[i])) {
      findings.push_back({c.field,
                          Severity::Warning,
                          FindingId::PositionRange,
                          {texts[i], QString::number(c.maxDegrees)}});
    }
  }
}

void CheckFrequencies(const ParameterSet& params, Findings& findings) {
  for (Field f : kChannels) {
    const QString text = WithoutPadding(params.text(f));
    if (!HasForm(TextForm::Frequency, text)) continue;  // its form is the entry's own matter
    const int khz = QString(text).remove('.').toInt();  // "ddd.ddd"
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
