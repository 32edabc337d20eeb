// Path: comma-separated digipeater addresses, as the tracker puts them into each packet.

#include <QRegularExpression>
#include <array>
#include <string_view>

#include "check/callsign.h"
#include "check/rules.h"

namespace vorlan::rules {
namespace {

// AX.25 2.0: a frame carries at most eight digipeater addresses.
constexpr int kMaxDigipeaters = 8;

// The New-N paradigm: "WIDEn-N" asks for n hops and N of them are left; digipeaters take n 1 to 7
// (the SSID's room) and N 0 to n. "TRACEn-N" is its older form and counts the same.
constexpr int kMaxN = 7;
// The most hops digipeaters in most regions pass from a mobile or fixed station: WIDE2-2 (or
// WIDE1-1,WIDE2-1). More floods the network, and many digipeaters trap or drop it.
constexpr int kMaxHops = 2;

// Words in a path that ask no digipeater for a hop: they tell IGates not to pass the packet to
// APRS-IS (APRS-IS IGate documentation).
constexpr std::array<std::string_view, 2> kNoHopWords = {"NOGATE", "RFONLY"};

const QRegularExpression& NnAlias() {
  static const QRegularExpression pattern(QStringLiteral("^(?:WIDE|TRACE)(\\d)(?:-(\\d{1,2}))?$"));
  return pattern;
}

// The hops an element asks for, or nullopt when no digipeater can take it.
std::optional<int> HopsOf(const QString& element) {
  if (const auto alias = NnAlias().match(element); alias.hasMatch()) {
    const int n = alias.captured(1).toInt();
    const QString written = alias.captured(2);  // "N", written without a leading zero
    const int left = written.toInt();
    const bool leadingZero = written.size() > 1 && written.startsWith('0');
    if (n < 1 || n > kMaxN || left > n || leadingZero) return std::nullopt;
    return left;
  }
  for (std::string_view word : kNoHopWords) {
    if (element == QLatin1String(word)) return 0;
  }
  if (CheckCallsign(element)) return std::nullopt;
  return 1;  // a digipeater by its callsign: one hop
}

}  // namespace

void CheckPath(const ParameterSet& params, Findings& findings) {
  const QString path = WithoutPadding(params.text(Field::Path));
  if (path.isEmpty()) return;  // no digipeating: the packet goes out direct
  const QStringList elements = path.split(',');
  if (elements.size() > kMaxDigipeaters) {
    findings.push_back({Field::Path,
                        Severity::Warning,
                        FindingId::PathTooManyElements,
                        {QString::number(elements.size())}});
  }
  int hops = 0;
  QString passed;  // the element with which the hops pass the limit
  for (const QString& element : elements) {
    const QString upper = element.toUpper();
    if (element != upper) {
      findings.push_back(
          {Field::Path, Severity::Warning, FindingId::PathLowerCase, {element, upper}});
    }
    const auto elementHops = HopsOf(upper);
    if (!elementHops) {
      findings.push_back({Field::Path, Severity::Warning, FindingId::PathElement, {element}});
      continue;
    }
    hops += *elementHops;
    if (hops > kMaxHops && passed.isEmpty()) passed = element;
  }
  if (!passed.isEmpty()) {
    findings.push_back({Field::Path,
                        Severity::Warning,
                        FindingId::PathTooManyHops,
                        {passed, QString::number(hops)}});
  }
}

}  // namespace vorlan::rules
