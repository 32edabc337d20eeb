#pragma once
// The port numbers the tool knows, as a person names them: "COM1" to "COM30".

#include <QString>
#include <optional>

namespace vorlan {

inline constexpr int kComPortCount = 30;

// "COM<n>".
inline QString PortText(int n) {
  return QStringLiteral("COM%1").arg(n);
}

// The number of "COM1" to "COM30": exact, case-sensitive; nullopt for any other text.
inline std::optional<int> PortNumber(const QString& text) {
  for (int n = 1; n <= kComPortCount; ++n) {
    if (text == PortText(n)) return n;
  }
  return std::nullopt;
}

}  // namespace vorlan
