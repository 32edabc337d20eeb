#include "link/port_failure_texts.h"

#include <QStringList>
#include <algorithm>

#include "params/utf8.h"

namespace vorlan {

using namespace Qt::StringLiterals;

namespace {

bool Named(const QList<PortHolder>& programs, QLatin1StringView name) {
  return std::any_of(programs.begin(), programs.end(),
                     [&](const PortHolder& p) { return p.program == name; });
}

// The known remedy when a service that takes serial ports holds this one (or may, where the
// holders cannot be seen).
QString TakerRemedies(const LinkFailure& failure, const PortFailureTexts& texts) {
  const bool unseen = failure.holders.isEmpty();
  QString remedies;
  if (failure.kind == LinkFailure::Kind::Busy && (Named(failure.holders, "ModemManager"_L1) ||
                                                  (unseen && failure.path.contains("ttyACM"_L1)))) {
    remedies += Utf8(texts.busyModemManager);
  }
  if (Named(failure.holders, "brltty"_L1) || (unseen && Named(failure.takers, "brltty"_L1))) {
    remedies += Utf8(texts.takenByBrltty);
  }
  return remedies;
}

QString NoPermissionText(const LinkFailure& failure, const QString& where,
                         const PortFailureTexts& texts) {
  if (failure.group.isEmpty()) return Utf8(texts.noPermission).arg(where);
  return Utf8(failure.newLoginNeeded ? texts.noPermissionLogin : texts.noPermissionGroup)
      .arg(where, failure.group);
}

}  // namespace

QString PortWhere(const QString& port, const QString& path) {
  if (path.isEmpty() || path == port) return port;
  return u"%1 (%2)"_s.arg(port, path);
}

QString HolderList(const QList<PortHolder>& holders, const PortFailureTexts& texts) {
  QStringList names;
  for (const PortHolder& holder : holders) {
    names << Utf8(texts.holderName).arg(holder.program).arg(holder.pid);
  }
  return names.join(u", "_s);
}

QString PortFailureText(const LinkFailure& failure, const QString& where,
                        const PortFailureTexts& texts) {
  using Kind = LinkFailure::Kind;
  switch (failure.kind) {
    case Kind::Unmapped:
      return Utf8(texts.unmapped).arg(failure.port) + TakerRemedies(failure, texts);
    case Kind::Missing:
      return Utf8(texts.missing).arg(where) + TakerRemedies(failure, texts);
    case Kind::Busy:
      return (failure.holders.isEmpty()
                  ? Utf8(texts.busy).arg(where)
                  : Utf8(texts.busyBy).arg(where, HolderList(failure.holders, texts))) +
             TakerRemedies(failure, texts);
    case Kind::StaleLock:
      return Utf8(texts.staleLock)
          .arg(where, failure.lockFile, QString::number(failure.holders.value(0).pid));
    case Kind::NoPermission:
      return NoPermissionText(failure, where, texts);
    case Kind::OpenFailed:
      return Utf8(texts.openFailed).arg(where, failure.reason);
    case Kind::ClearFailed:
      return Utf8(texts.clearFailed).arg(where, failure.reason);
    case Kind::WriteFailed:
      return Utf8(texts.writeFailed).arg(where, failure.reason);
    case Kind::OutputFull:
      return Utf8(texts.outputFull).arg(where, QString::number(failure.bytes));
    case Kind::HungUp:
      return Utf8(texts.hungUp).arg(where);
    case Kind::NotDrained:
      return Utf8(texts.notDrained).arg(where, QString::number(failure.bytes));
    case Kind::NotOpen:
      break;
  }
  return {};
}

}  // namespace vorlan
