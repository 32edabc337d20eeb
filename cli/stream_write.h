#pragma once
// Writing to standard output or standard error so that a failure is known: a result that did not
// reach the user must not pass as done.

#include <QByteArray>
#include <QString>
#include <cstdio>

namespace vorlan::cli {

// Writes the bytes whole, NUL bytes included, and flushes them; the system's reason when they did
// not all go out, else empty.
QString WriteWhole(std::FILE* stream, const QByteArray& bytes);

// Whether the stream goes to a terminal (a console on Windows).
bool IsTerminal(std::FILE* stream);

// "Cannot write to standard output: No space left on device".
QString StandardOutputFailureText(const QString& reason);
QString StandardErrorFailureText(const QString& reason);

}  // namespace vorlan::cli
