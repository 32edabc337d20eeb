#include "check/callsign.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace vorlan {
namespace {

constexpr int kMaxBaseLength = 6;  // AX.25 address field: six characters
constexpr int kMaxSsid = 15;       // AX.25 address field: four bits

// The placeholders of unconfigured stations, which APRS-IS servers refuse as a login.
constexpr std::array<std::string_view, 2> kPlaceholders = {"NOCALL", "N0CALL"};

constexpr char16_t kPaddingFF = 0xDCFF;  // the byte 0xFF as the device text keeps it

bool IsPadding(QChar c) {
  return c == ' ' || c == QChar(0) || c.unicode() == kPaddingFF;
}

bool IsAsciiLetterOrDigit(QChar c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

bool IsAsciiDigits(QStringView text) {
  return !text.isEmpty() &&
         std::all_of(text.begin(), text.end(), [](QChar c) { return c >= '0' && c <= '9'; });
}

bool IsBase(QStringView base) {
  return !base.isEmpty() && base.size() <= kMaxBaseLength &&
         std::all_of(base.begin(), base.end(), IsAsciiLetterOrDigit);
}

}  // namespace

QString WithoutPadding(const QString& text) {
  qsizetype end = text.size();
  while (end > 0 && IsPadding(text[end - 1])) --end;
  return text.left(end);
}

std::optional<CallsignFault> CheckCallsign(const QString& callsign) {
  if (callsign.isEmpty()) return CallsignFault{FindingId::CallsignEmpty, {}};
  const qsizetype dash = callsign.indexOf('-');
  const QStringView base = QStringView(callsign).left(dash < 0 ? callsign.size() : dash);
  if (!IsBase(base)) return CallsignFault{FindingId::CallsignBase, base.toString()};
  if (dash >= 0) {
    const QStringView ssid = QStringView(callsign).mid(dash + 1);
    if (ssid == u"0") return CallsignFault{FindingId::CallsignSsidZero, base.toString()};
    const bool written =
        IsAsciiDigits(ssid) && ssid.front() != '0' && ssid.size() <= 2 && ssid.toInt() <= kMaxSsid;
    if (!written) return CallsignFault{FindingId::CallsignSsid, ssid.toString()};
  }
  if (callsign != callsign.toUpper()) {
    return CallsignFault{FindingId::CallsignLowerCase, callsign.toUpper()};
  }
  return std::nullopt;
}

std::optional<QString> CallsignBase(const QString& callsign) {
  const QString base = callsign.section('-', 0, 0);
  if (!IsBase(base)) return std::nullopt;
  return base.toUpper();
}

bool IsPlaceholder(const QString& base) {
  return std::any_of(kPlaceholders.begin(), kPlaceholders.end(),
                     [&](std::string_view p) { return base == QLatin1String(p); });
}

}  // namespace vorlan
