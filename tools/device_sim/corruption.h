#pragma once
// A device fault for tests that verify a write: one field is stored other than it was sent.

#include <QByteArray>
#include <string_view>

namespace vorlan::sim {

// One of the 44 fields the device stores.
bool IsStoredField(std::string_view name);

// The bytes stored in place of `sent`: a flag or code becomes the next value the device takes
// ("0" and "1" swap, the second server's "0" and "2" swap, work mode "4" becomes "0", others go one
// up); a text gets "A" as its first byte, or "B" when it began with "A" (an empty text becomes
// "A").
QByteArray Corrupted(std::string_view field, const QByteArray& sent);

}  // namespace vorlan::sim
