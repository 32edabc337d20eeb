#include "tools/device_sim/log.h"

#include <cstdio>
#include <cstdlib>

namespace vorlan::sim {

void Log(const std::string& line) {
  const std::string out = line + "\n";
  fwrite(out.data(), 1, out.size(), stderr);
}

std::string Hex(const QByteArray& bytes) {
  return bytes.toHex().toStdString();
}

std::string Printable(const QByteArray& bytes) {
  std::string out;
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0x20 && b < 0x7f && b != '\\') {
      out += c;
    } else {
      char escaped[5];
      snprintf(escaped, sizeof escaped, "\\x%02x", b);
      out += escaped;
    }
  }
  return out;
}

void Fail(const std::string& what) {
  Log("vorlan_device_sim: " + what);
  std::exit(2);
}

}  // namespace vorlan::sim
