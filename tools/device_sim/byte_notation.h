#pragma once
// Bytes written as text, for scripts and conversation files. Tokens are separated by blanks:
//   24 31 ff   or   2431ff   hex digits, two to a byte
//   "$4   "                  the bytes between the quotes as written; \" \\ and \xHH escape
//   6*" "   or   10*ff       a token repeated
// A "#" outside quotes starts a comment that runs to the end of the line.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace vorlan::sim {

struct ParsedBytes {
  std::optional<QByteArray> bytes;
  QString error;  // what is wrong, when bytes is empty
};

ParsedBytes ParseByteNotation(QByteArrayView text);

}  // namespace vorlan::sim
