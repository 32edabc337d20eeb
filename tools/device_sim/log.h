#pragma once
// The program's log on stderr, one line each: "rx <kind> <hex> <printable>" for a frame received,
// "tx <hex>" for a reply sent whole, and plain notes.

#include <QByteArray>
#include <string>

namespace vorlan::sim {

void Log(const std::string& line);
std::string Hex(const QByteArray& bytes);
// Printable ASCII as it is, other bytes and "\" as \xNN.
std::string Printable(const QByteArray& bytes);
[[noreturn]] void Fail(const std::string& what);

}  // namespace vorlan::sim
