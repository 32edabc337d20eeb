#include "cli/log_secrets.h"

#include "link/protocol.h"

namespace vorlan::cli {
namespace {

bool IsSecret(Field field) {
  return field == Field::Password || field == Field::LoginPassword || field == Field::WifiPassword;
}

bool IsSecret(const WriteFrameField& f) {
  return f.item == WriteItem::Text && IsSecret(f.field);
}

void Mark(std::vector<bool>& secret, qsizetype from, qsizetype to) {
  for (qsizetype i = from; i < to && i < static_cast<qsizetype>(secret.size()); ++i)
    secret[static_cast<std::size_t>(i)] = true;
}

// "$0", the head in fixed columns, "&", then the tail, each field closed by "|".
std::vector<bool> SecretBytesOfWrite(const QByteArray& frame) {
  std::vector<bool> secret(static_cast<std::size_t>(frame.size()), false);
  qsizetype at = static_cast<qsizetype>(kWriteLead.size());
  for (const WriteFrameField& f : WriteFrameHead()) {
    if (IsSecret(f)) Mark(secret, at, at + f.width);
    at += f.width;
  }
  ++at;  // the head's end
  for (const WriteFrameField& f : WriteFrameTail()) {
    const qsizetype end = frame.indexOf(kTailSeparator, at);
    if (end < 0) break;
    if (IsSecret(f)) Mark(secret, at, end);
    at = end + 1;
  }
  return secret;
}

// "**3@", the other station's callsign, "@", its password, "@", ...
std::vector<bool> SecretBytesOfInstruction(const QByteArray& frame) {
  std::vector<bool> secret(static_cast<std::size_t>(frame.size()), false);
  const qsizetype from = frame.indexOf(kInstructionSeparator, kInstructionLead.size()) + 1;
  const qsizetype to = from > 0 ? frame.indexOf(kInstructionSeparator, from) : -1;
  if (to > 0) Mark(secret, from, to);
  return secret;
}

bool IsSecretInReadBack(int position) {
  for (const ReadBackField& row : ReadBackLayout()) {
    if (position >= row.position && position < row.position + row.width)
      return row.decoding == ReadBackDecoding::Text && IsSecret(row.field);
  }
  return false;
}

}  // namespace

std::vector<bool> SecretBytesSent(const QByteArray& frame) {
  if (frame.startsWith(Bytes(kWriteLead))) return SecretBytesOfWrite(frame);
  if (frame.startsWith(Bytes(kInstructionLead))) return SecretBytesOfInstruction(frame);
  return {};
}

void SecretBytesReceived::sent(const QByteArray& frame) {
  awaitingReadBack_ = frame == Bytes(kReadRequest);
  afterLead_ = false;
  position_ = 0;
}

std::vector<bool> SecretBytesReceived::next(const QByteArray& piece) {
  std::vector<bool> secret(static_cast<std::size_t>(piece.size()), false);
  for (qsizetype i = 0; i < piece.size() && awaitingReadBack_; ++i) {
    if (position_ == 0) {
      // Bytes before the lead (noise) are no part of the read-back.
      const bool kind =
          afterLead_ && piece[i] == static_cast<char>('0' + static_cast<int>(ReplyKind::ReadBack));
      afterLead_ = piece[i] == kReplyLead;
      if (kind) position_ = 3;
      continue;
    }
    secret[static_cast<std::size_t>(i)] = IsSecretInReadBack(position_);
    if (++position_ > kReadBackLength) awaitingReadBack_ = false;
  }
  return secret;
}

}  // namespace vorlan::cli
