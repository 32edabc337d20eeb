#include "check/passcode.h"

#include <algorithm>

namespace vorlan {
namespace {

constexpr int kSeed = 0x73E2;
constexpr int kFifteenBits = 0x7FFF;
constexpr int kLoginPasswordLength = 5;  // the device's field

}  // namespace

int AprsIsPasscode(const QString& base) {
  const QByteArray call = base.section('-', 0, 0).toUpper().toLatin1();
  int hash = kSeed;
  for (qsizetype i = 0; i < call.size(); i += 2) {
    hash ^= static_cast<unsigned char>(call[i]) << 8;
    if (i + 1 < call.size()) hash ^= static_cast<unsigned char>(call[i + 1]);
  }
  return hash & kFifteenBits;
}

bool IsPasscodeOf(const QString& password, const QString& base) {
  const bool digits =
      !password.isEmpty() &&
      std::all_of(password.begin(), password.end(), [](QChar c) { return c >= '0' && c <= '9'; });
  return digits && password.toInt() == AprsIsPasscode(base);
}

QString PasscodeText(int passcode) {
  return QStringLiteral("%1").arg(passcode, kLoginPasswordLength, 10, QLatin1Char('0'));
}

}  // namespace vorlan
