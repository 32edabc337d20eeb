#include "tools/device_sim/corruption.h"

#include "tools/device_sim/configuration.h"

namespace vorlan::sim {
namespace {

// The one-byte codes the field takes; empty for a text.
std::string_view CodesOf(std::string_view field) {
  for (const auto& f : kHeadFields) {
    if (f.name == field) return f.allowed;
  }
  return {};
}

}  // namespace

bool IsStoredField(std::string_view name) {
  for (const auto& d : kDefaultConfiguration) {
    if (d.name == name) return true;
  }
  return false;
}

QByteArray Corrupted(std::string_view field, const QByteArray& sent) {
  const std::string_view codes = CodesOf(field);
  if (!codes.empty()) {
    const size_t at = sent.isEmpty() ? std::string_view::npos : codes.find(sent[0]);
    return QByteArray(1, codes[at == std::string_view::npos ? 0 : (at + 1) % codes.size()]);
  }
  QByteArray stored = sent.isEmpty() ? QByteArray(1, 'A') : sent;
  stored[0] = sent.startsWith('A') ? 'B' : 'A';
  return stored;
}

}  // namespace vorlan::sim
