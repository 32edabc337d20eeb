// Filter: the server-side filter the tracker sends with its APRS-IS login, space-separated
// commands such as "m/50 -b/NOCALL". Commands and their arguments as the APRS-IS server
// documentation gives them ("Server-side Filter Commands", aprs-is.net).

#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <bit>
#include <initializer_list>
#include <string_view>

#include "check/callsign.h"
#include "check/rules.h"

namespace vorlan::rules {
namespace {

enum class Arg {
  Text,       // anything but empty
  Optional,   // may be empty ("s//#")
  Latitude,   // degrees, -90 to 90
  Longitude,  // degrees, -180 to 180
  Distance,   // kilometres, 0 to half the earth's circumference
  Types,      // letters of "poimqstunw"
};

// The argument counts a command takes, one bit for each; kOrMore: the highest of them or more.
constexpr unsigned Args(std::initializer_list<int> counts) {
  unsigned bits = 0;
  for (int n : counts) bits |= 1u << n;
  return bits;
}
constexpr unsigned kOrMore = 1u << 31;

struct FilterCommand {
  char letter;
  std::string_view form;    // as the documentation writes it; the findings show it
  unsigned counts;          // Args(...), with kOrMore
  std::array<Arg, 3> args;  // by position; the last one stands for all that follow
};

constexpr std::array<FilterCommand, 14> kCommands = {{
    {'r', "r/lat/lon/dist", Args({3}), {Arg::Latitude, Arg::Longitude, Arg::Distance}},
    {'p', "p/aa/bb/cc...", Args({1}) | kOrMore, {Arg::Text, Arg::Text, Arg::Text}},
    {'b', "b/call1/call2...", Args({1}) | kOrMore, {Arg::Text, Arg::Text, Arg::Text}},
    {'o', "o/obj1/obj2...", Args({1}) | kOrMore, {Arg::Text, Arg::Text, Arg::Text}},
    {'t', "t/poimqstunw/call/km", Args({1, 3}), {Arg::Types, Arg::Text, Arg::Distance}},
    {'s', "s/pri/alt/over", Args({1, 2, 3}), {Arg::Optional, Arg::Optional, Arg::Optional}},
    {'d', "d/digi1/digi2...", Args({1}) | kOrMore, {Arg::Text, Arg::Text, Arg::Text}},
    {'a', "a/latN/lonW/latS/lonE", Args({4}), {Arg::Latitude, Arg::Longitude, Arg::Latitude}},
    {'e', "e/call1/call2...", Args({1}) | kOrMore, {Arg::Text, Arg::Text, Arg::Text}},
    {'g', "g/call1/call2...", Args({1}) | kOrMore, {Arg::Text, Arg::Text, Arg::Text}},
    {'q', "q/con/ana", Args({1, 2}), {Arg::Optional, Arg::Optional, Arg::Optional}},
    {'m', "m/dist", Args({1}), {Arg::Distance, Arg::Distance, Arg::Distance}},
    {'f', "f/call/dist", Args({2}), {Arg::Text, Arg::Distance, Arg::Distance}},
    {'u', "u/unproto1/unproto2...", Args({1}) | kOrMore, {Arg::Text, Arg::Text, Arg::Text}},
}};

constexpr std::string_view kPacketTypes = "poimqstunw";
constexpr double kMaxDistanceKm = 20000;

QString Latin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// "a/latN/lonW/latS/lonE" alternates latitude and longitude.
Arg ArgAt(const FilterCommand& command, qsizetype i) {
  if (command.letter == 'a') return i % 2 == 0 ? Arg::Latitude : Arg::Longitude;
  return command.args[static_cast<std::size_t>(std::min<qsizetype>(i, command.args.size() - 1))];
}

bool TakesCount(unsigned counts, qsizetype n) {
  const unsigned exact = counts & ~kOrMore;
  if (n < 31 && (exact & (1u << n))) return true;
  const int highest = 31 - std::countl_zero(exact);
  return (counts & kOrMore) && n > highest;
}

bool IsNumber(const QString& text) {
  static const QRegularExpression pattern(QStringLiteral("^-?\\d+(\\.\\d+)?$"));
  return pattern.match(text).hasMatch();
}

struct Range {
  double low, high;
};

std::optional<Range> RangeOf(Arg arg) {
  switch (arg) {
    case Arg::Latitude:
      return Range{-90, 90};
    case Arg::Longitude:
      return Range{-180, 180};
    case Arg::Distance:
      return Range{0, kMaxDistanceKm};
    default:
      return std::nullopt;
  }
}

bool IsTypes(const QString& text) {
  return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
    return c.unicode() < 0x80 &&
           kPacketTypes.find(static_cast<char>(c.unicode())) != std::string_view::npos;
  });
}

// The first thing wrong with one argument of a command.
std::optional<Finding> CheckArgument(const QString& command, const FilterCommand& kind, Arg arg,
                                     const QString& value) {
  const QString form = Latin1(kind.form);
  const auto range = RangeOf(arg);
  if (!range) {
    const bool sound =
        arg == Arg::Optional || (arg == Arg::Types ? IsTypes(value) : !value.isEmpty());
    if (sound) return std::nullopt;
    return Finding{Field::Filter, Severity::Warning, FindingId::FilterArguments, {command, form}};
  }
  if (!IsNumber(value)) {
    return Finding{Field::Filter, Severity::Warning, FindingId::FilterNumber, {command, value}};
  }
  const double number = value.toDouble();
  if (number >= range->low && number <= range->high) return std::nullopt;
  return Finding{Field::Filter,
                 Severity::Warning,
                 FindingId::FilterRange,
                 {command, value, QString::number(range->low), QString::number(range->high)}};
}

std::optional<Finding> CheckCommand(const QString& command) {
  // "-" before a command takes out what it matches; the kind letter is the same.
  const QString body = command.startsWith('-') ? command.mid(1) : command;
  const auto kind = std::find_if(kCommands.begin(), kCommands.end(), [&](const FilterCommand& c) {
    return body.size() >= 2 && body[1] == '/' && body[0].toLower() == QLatin1Char(c.letter);
  });
  if (kind == kCommands.end()) {
    return Finding{Field::Filter, Severity::Warning, FindingId::FilterUnknownKind, {command}};
  }
  const QStringList args = body.mid(2).split('/');
  if (!TakesCount(kind->counts, args.size())) {
    return Finding{Field::Filter,
                   Severity::Warning,
                   FindingId::FilterArguments,
                   {command, Latin1(kind->form)}};
  }
  for (qsizetype i = 0; i < args.size(); ++i) {
    if (auto finding = CheckArgument(command, *kind, ArgAt(*kind, i), args[i])) return finding;
  }
  return std::nullopt;
}

}  // namespace

void CheckFilter(const ParameterSet& params, Findings& findings) {
  const QStringList commands =
      WithoutPadding(params.text(Field::Filter)).split(' ', Qt::SkipEmptyParts);
  for (const QString& command : commands) {
    if (auto finding = CheckCommand(command)) findings.push_back(*finding);
  }
}

}  // namespace vorlan::rules
