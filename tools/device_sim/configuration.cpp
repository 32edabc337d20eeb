#include "tools/device_sim/configuration.h"

#include <QList>
#include <span>

#include "link/device_text.h"
#include "link/protocol.h"
#include "params/language_data.h"

namespace vorlan::sim {
namespace {

struct DefaultField {
  std::string_view field;
  std::string_view utf8;  // stored as device text
};

constexpr DefaultField kDefaults[] = {
    {"Digipeater", "1"},
    {"AdditionalReport", "0"},
    {"SmartBeacon", "0"},
    {"Spare4", "1"},
    {"Spare5", "1"},
    {"CarMode", "1"},
    {"OutputTrace", "0"},
    {"PttTransmit", "0"},
    {"SoundPrompt", "0"},
    {"MicEFormat", "0"},
    {"Spare11", "1"},
    {"IsToBluetooth", "1"},
    {"FixedPosition", "1"},
    {"LoginServer", "1"},
    {"RfToIs", "1"},
    {"IsToRf", "1"},
    {"GroupCall", "SIMGRP"},
    {"Password", "135790"},
    {"DigiNumber", "007"},
    {"TimedTx", "05"},
    {"TxInterval", "15"},
    {"TxDelay", "25"},
    {"Latitude", "3150.12N"},
    {"Longitude", "12129.34E"},
    {"Channel1Freq", "145.825"},
    {"Channel2Freq", "144.800"},
    {"TxCtcss", "12"},
    {"RxCtcss", "08"},
    {"WorkMode", "4"},
    {"SymbolCode", ">"},
    {"Server1Enable", "0"},
    {"Server2Enable", "2"},
    {"SendInterval", "30"},
    {"LoginPassword", "24680"},
    {"Callsign", "SIM1-7"},
    {"Path", "WIDE2-2"},
    {"BeaconText", "模拟设备 device simulator"},
    {"WifiSsid", "SimNet"},
    {"WifiPassword", "sim-pass"},
    {"AlarmPhone", "110"},
    {"MyPhone", "13800138000"},
    {"Server1", "euro.aprs2.net:14580"},
    {"Server2", "noam.aprs2.net:10008"},
    {"Filter", "r/31.5/121.5/100"},
};

// The characters a flag or code may hold in the write frame.
bool ValidCode(const WriteFrameField& f, char c) {
  switch (f.item) {
    case WriteItem::Flag:
      return c == '0' || c == f.onChar;
    case WriteItem::WorkMode:
      return c >= '0' && c <= '4';
    default:
      return true;
  }
}

// Checks one field's bytes and stores them; the reason when they are unsound.
std::optional<QString> Take(const WriteFrameField& f, const QByteArray& bytes, bool head,
                            Configuration& config) {
  const QString name = Text(f.field);
  if (f.item == WriteItem::Fixed) {
    if (bytes != Bytes(f.fixed))
      return QStringLiteral("reserved filler \"%1\"").arg(QString::fromLatin1(bytes));
    return std::nullopt;
  }
  if (head ? bytes.size() != f.width : bytes.size() > f.width) {
    return QStringLiteral("%1 has %2 bytes").arg(name).arg(bytes.size());
  }
  if (f.width == 1 && !bytes.isEmpty() && !ValidCode(f, bytes[0])) {
    return QStringLiteral("%1 holds \"%2\"").arg(name, QString::fromLatin1(bytes));
  }
  config[std::string(f.field)] = bytes;
  return std::nullopt;
}

int HeadWidth() {
  int width = 0;
  for (const auto& f : WriteFrameHead()) width += f.width;
  return width;
}

ParsedFrame Unsound(const QString& problem) {
  return {std::nullopt, problem};
}

}  // namespace

Configuration DefaultConfiguration() {
  Configuration config;
  for (const auto& d : kDefaults) {
    config[std::string(d.field)] = EncodeDeviceText(Text(d.utf8));
  }
  return config;
}

ParsedFrame ParseWriteFrame(const QByteArray& frame) {
  if (!frame.startsWith(Bytes(kWriteLead)) || !frame.endsWith(kFrameEnd)) {
    return Unsound(QStringLiteral("no \"$0\" lead or \"#\" end"));
  }
  const qsizetype headEnd = frame.indexOf(kHeadEnd);
  if (headEnd < 0) return Unsound(QStringLiteral("no \"&\" after the head"));
  const QByteArray head = frame.mid(kWriteLead.size(), headEnd - qsizetype(kWriteLead.size()));
  if (head.size() != HeadWidth()) {
    return Unsound(QStringLiteral("head of %1 bytes, not %2").arg(head.size()).arg(HeadWidth()));
  }
  const QByteArray tail = frame.mid(headEnd + 1, frame.size() - headEnd - 2);
  const QList<QByteArray> tailFields = tail.split(kTailSeparator);
  const auto tailLayout = WriteFrameTail();
  // Every tail field is closed by "|", so the split leaves one empty piece after the last.
  if (tailFields.size() != qsizetype(tailLayout.size()) + 1 || !tailFields.last().isEmpty()) {
    return Unsound(
        QStringLiteral("%1 tail fields, not %2").arg(tailFields.size() - 1).arg(tailLayout.size()));
  }

  Configuration config;
  qsizetype at = 0;
  for (const auto& f : WriteFrameHead()) {
    if (auto problem = Take(f, head.mid(at, f.width), true, config)) return Unsound(*problem);
    at += f.width;
  }
  for (size_t i = 0; i < tailLayout.size(); ++i) {
    if (auto problem = Take(tailLayout[i], tailFields[qsizetype(i)], false, config)) {
      return Unsound(*problem);
    }
  }
  return {config, {}};
}

QByteArray ReadBackBody(const Configuration& configuration, char filler) {
  QByteArray body;
  for (const auto& row : ReadBackLayout()) {
    QByteArray bytes;
    if (row.decoding != ReadBackDecoding::Reserved) {
      const auto it = configuration.find(row.field);
      if (it != configuration.end()) bytes = it->second.left(row.width);
    }
    body += bytes + QByteArray(row.width - bytes.size(), filler);
  }
  return body;
}

}  // namespace vorlan::sim
