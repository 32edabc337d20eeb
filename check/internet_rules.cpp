// The APRS-IS servers and the WiFi network the tracker reaches them through.

#include <QRegularExpression>
#include <algorithm>
#include <array>

#include "check/callsign.h"
#include "check/rules.h"

namespace vorlan::rules {
namespace {

struct ServerEntry {
  Field server;
  Field enable;
};
constexpr std::array<ServerEntry, 2> kServers = {{
    {Field::Server1, Field::Server1Enable},
    {Field::Server2, Field::Server2Enable},
}};

// A TCP port: 1 to 65535 (0 is no port).
constexpr int kMaxPort = 65535;

// The flags that make the tracker join the WiFi network.
constexpr std::array<Field, 4> kInternetFunctions = {Field::LoginServer, Field::RfToIs,
                                                     Field::IsToRf, Field::IsToBluetooth};

// WPA2 (IEEE 802.11i): a passphrase of 8 to 63 printable ASCII characters; none for an open
// network.
constexpr int kMinPassphrase = 8;
constexpr char16_t kFirstPrintable = 0x20, kLastPrintable = 0x7E;

// A host name (letters, digits, "-" and "." between labels), an IPv4 address, or an IPv6 address
// in brackets.
bool IsHost(const QString& host) {
  static const QRegularExpression name(
      QStringLiteral("^[A-Za-z0-9](?:[A-Za-z0-9-]*[A-Za-z0-9])?"
                     "(?:\\.[A-Za-z0-9](?:[A-Za-z0-9-]*[A-Za-z0-9])?)*$"));
  static const QRegularExpression ipv6(QStringLiteral("^\\[[0-9A-Fa-f:.]+\\]$"));
  return name.match(host).hasMatch() || ipv6.match(host).hasMatch();
}

bool IsPort(const QString& port) {
  static const QRegularExpression digits(QStringLiteral("^[1-9]\\d{0,4}$"));
  return digits.match(port).hasMatch() && port.toInt() <= kMaxPort;
}

void CheckServer(const ServerEntry& entry, const ParameterSet& params, Findings& findings) {
  if (!params.flag(entry.enable)) return;
  const QString text = WithoutPadding(params.text(entry.server));
  auto add = [&](FindingId id, QStringList values = {}) {
    findings.push_back({entry.server, Severity::Warning, id, std::move(values)});
  };
  if (text.isEmpty()) return add(FindingId::ServerEmpty);
  const qsizetype colon = text.lastIndexOf(':');
  if (colon < 0) return add(FindingId::ServerNoPort);
  const QString host = text.left(colon);
  const QString port = text.mid(colon + 1);
  if (!IsHost(host)) add(FindingId::ServerHost, {host});
  if (!IsPort(port)) add(FindingId::ServerPort, {port});
}

void CheckWifi(const ParameterSet& params, Findings& findings) {
  const bool online = std::any_of(kInternetFunctions.begin(), kInternetFunctions.end(),
                                  [&](Field f) { return params.flag(f); });
  if (!online) return;
  if (WithoutPadding(params.text(Field::WifiSsid)).isEmpty()) {
    findings.push_back({Field::WifiSsid, Severity::Warning, FindingId::WifiSsidEmpty});
  }
  const QString password = WithoutPadding(params.text(Field::WifiPassword));
  if (password.isEmpty()) return;  // an open network
  const auto odd = std::find_if(password.begin(), password.end(), [](QChar c) {
    return c.unicode() < kFirstPrintable || c.unicode() > kLastPrintable;
  });
  if (odd != password.end()) {
    findings.push_back(
        {Field::WifiPassword, Severity::Warning, FindingId::WifiPasswordCharacter, {*odd}});
  } else if (password.size() < kMinPassphrase) {
    findings.push_back({Field::WifiPassword,
                        Severity::Warning,
                        FindingId::WifiPasswordShort,
                        {QString::number(password.size())}});
  }
}

}  // namespace

void CheckInternet(const ParameterSet& params, Findings& findings) {
  for (const ServerEntry& entry : kServers) CheckServer(entry, params, findings);
  CheckWifi(params, findings);
}

}  // namespace vorlan::rules
