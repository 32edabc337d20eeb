#pragma once
// Device values on a terminal or in a line of text: a control character must neither act on the
// terminal (ESC[2J clears the screen) nor break a line in two.

#include <QString>

namespace vorlan::cli {

// The text with what is no printable character escaped, so that it reads back unambiguously:
// "\\" for a backslash, "\n", "\r", "\t", "\e", "\xHH" for the other C0 characters and DEL and for
// a byte that is no text (its lone-surrogate stand-in), "\uHHHH" for a C1 character and any other
// lone surrogate. Everything else stays as it is.
QString TerminalText(const QString& text);

}  // namespace vorlan::cli
