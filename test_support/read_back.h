#pragma once
// A device read-back (kind 1) assembled byte by byte, field by field.

#include <QByteArray>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "link/protocol.h"

namespace vorlan::test {

struct ReadBackSpan {
  int position;  // 1-based, counted from the "$"
  int width;
  std::string_view field;  // empty for a reserved span
};

// The tool's read-back layout with each field's name, consecutive reserved rows as one span. The
// device simulator keeps a layout of its own; the exchange tests hold the two against each other.
inline std::vector<ReadBackSpan> ReadBackSpans() {
  std::vector<ReadBackSpan> spans;
  for (const auto& row : ReadBackLayout()) {
    const bool reserved = row.decoding == ReadBackDecoding::Reserved;
    if (reserved && !spans.empty() && spans.back().field.empty()) {
      spans.back().width += row.width;
      continue;
    }
    spans.push_back({row.position, row.width, reserved ? std::string_view() : Def(row.field).name});
  }
  return spans;
}
inline const std::vector<ReadBackSpan> kReadBackSpans = ReadBackSpans();
// The first kFlagSpans spans are the check boxes.
inline constexpr int kFlagSpans = 16;

// "$1" and 400 bytes; every byte starts as '?' until a test puts something there.
class ReadBack {
 public:
  ReadBack() : bytes_("$1" + QByteArray(400, '?')) {}
  // Puts the bytes at the span of the field (empty name: the reserved span at that position).
  ReadBack& set(std::string_view field, const QByteArray& value, int position = 0) {
    const ReadBackSpan& s = span(field, position);
    if (value.size() != s.width) throw std::invalid_argument(std::string(field));
    bytes_.replace(s.position - 1, s.width, value);
    return *this;
  }
  QByteArray at(std::string_view field) const {
    const ReadBackSpan& s = span(field, 0);
    return bytes_.mid(s.position - 1, s.width);
  }
  const QByteArray& bytes() const { return bytes_; }

 private:
  static const ReadBackSpan& span(std::string_view field, int position) {
    for (const auto& s : kReadBackSpans) {
      if (s.field == field && (position == 0 || s.position == position)) return s;
    }
    throw std::invalid_argument(std::string(field));
  }
  QByteArray bytes_;
};

// Text padded with a filler to the full width of its field.
inline QByteArray Pad(const QByteArray& text, int width, char filler = ' ') {
  return text + QByteArray(width - text.size(), filler);
}

using HeldValues = std::vector<std::pair<std::string_view, QByteArray>>;

// A device's whole answer to a read: blank texts, flags off and the numbers and position of a
// sound station, with `values` put over them, each padded with blanks to its span; then the ten
// bytes the device sends after the read-back.
inline QByteArray SoundReadBack(const HeldValues& values = {}) {
  ReadBack r;
  for (const auto& span : kReadBackSpans) {
    r.set(span.field, Pad("", span.width, span.width == 1 ? '0' : ' '), span.position);
  }
  HeldValues all = {
      {"GroupCall", "NOGROU"},     {"Password", "480271"},     {"DigiNumber", "000"},
      {"TimedTx", "00"},           {"TxInterval", "40"},       {"TxDelay", "30"},
      {"Latitude", "2300.00N"},    {"Longitude", "11300.00E"}, {"Channel1Freq", "144.640"},
      {"Channel2Freq", "144.390"}, {"TxCtcss", "00"},          {"RxCtcss", "00"},
      {"SymbolCode", "["},         {"SendInterval", "20"},     {"LoginPassword", "50713"},
  };
  all.insert(all.end(), values.begin(), values.end());
  for (const auto& [field, value] : all) {
    r.set(field, Pad(value, static_cast<int>(r.at(field).size())));
  }
  return r.bytes() + QByteArray(10, ' ');
}

}  // namespace vorlan::test
