#pragma once
// File names as the system holds them. On Unix a name is bytes, most often UTF-8 but not always:
// a QString here carries each byte that is no part of UTF-8 as a lone surrogate U+DC80..U+DCFF
// (as device text does), so a name goes from the command line or the environment to the file
// calls byte for byte, and two names never become one. Qt's own file classes would turn such a
// stand-in into other bytes: every file call on Unix goes through FileNameBytes. On Windows a
// name is UTF-16, which QString keeps as it is.

#include <QByteArray>
#include <QString>

namespace vorlan {

// Bytes to a name: UTF-8 sequences as their characters, every other byte as its stand-in.
QString FileNameFromBytes(const QByteArray& bytes);

// A name to its bytes: the stand-ins back to their bytes, everything else as UTF-8.
QByteArray FileNameBytes(const QString& name);

// The name for a message: each stand-in as "\xff", never a replacement character.
QString FileNameText(const QString& name);

}  // namespace vorlan
