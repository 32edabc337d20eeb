#include "link/reply.h"

#include "link/device_text.h"
#include "link/protocol.h"

namespace vorlan {
namespace {

// The value of a one-digit reply field; -1 for anything else (a letter, or nothing when the buffer
// held too few bytes), which every caller treats like a digit outside its table.
int DigitValue(const QByteArray& bytes) {
  if (bytes.size() != 1 || bytes[0] < '0' || bytes[0] > '9') return -1;
  return bytes[0] - '0';
}

ReadBack TakeReadBack(ByteSource& source) {
  ReadBack readBack;
  for (const auto& row : ReadBackLayout()) {
    QByteArray bytes = source.take(row.width);
    if (row.decoding != ReadBackDecoding::Reserved) {
      readBack.bytes[static_cast<std::size_t>(Index(row.field))] = std::move(bytes);
    }
  }
  return readBack;
}

// The link's input buffer as a byte source; sets InputLen only when the width changes.
class LinkSource : public ByteSource {
 public:
  explicit LinkSource(SerialLink& link) : link_(link) {}
  int available() const override { return link_.inBufferCount(); }
  QByteArray take(int n) override {
    if (n != inputLen_) {
      inputLen_ = n;
      link_.setInputLen(n);
    }
    return link_.input();
  }

 private:
  SerialLink& link_;
  int inputLen_ = 0;
};

}  // namespace

QByteArray BufferSource::take(int n) {
  if (n < 0 || bytes_.size() < n) return {};
  QByteArray taken = bytes_.left(n);
  bytes_.remove(0, n);
  return taken;
}

bool Answers(const Request& request, const Reply& reply) {
  using Outcome = Reply::Outcome;
  switch (reply.outcome) {
    case Outcome::ReadBack:
      return request.expects.contains(ReplyKind::ReadBack);
    case Outcome::RadioReadDone:
      return request.expects.contains(ReplyKind::RadioReadDone);
    case Outcome::RadioWriteDone:
      return request.expects.contains(ReplyKind::RadioWriteDone);
    case Outcome::WriteDone:
      return request.expects.contains(ReplyKind::WriteDone);
    case Outcome::WriteIncomplete:
      return request.expects.contains(ReplyKind::WriteIncomplete);
    case Outcome::DeviceText:
      return request.expects.contains(ReplyKind::DeviceText);
    case Outcome::NoLead:
    case Outcome::ShortReadBack:
    case Outcome::UnknownKind:
      return false;
  }
  return false;
}

Reply ParseReply(ByteSource& source) {
  if (source.take(1) != QByteArray(1, kReplyLead)) return {Reply::Outcome::NoLead};
  switch (DigitValue(source.take(1))) {
    case static_cast<int>(ReplyKind::ReadBack):
      if (source.available() < kReadBackLength - 2) return {Reply::Outcome::ShortReadBack};
      return {Reply::Outcome::ReadBack, TakeReadBack(source)};
    case static_cast<int>(ReplyKind::RadioReadDone):
      return {Reply::Outcome::RadioReadDone};
    case static_cast<int>(ReplyKind::RadioWriteDone):
      return {Reply::Outcome::RadioWriteDone};
    case static_cast<int>(ReplyKind::WriteDone):
      return {Reply::Outcome::WriteDone};
    case static_cast<int>(ReplyKind::WriteIncomplete):
      return {Reply::Outcome::WriteIncomplete};
    case static_cast<int>(ReplyKind::DeviceText):
      return {Reply::Outcome::DeviceText, {}, source.take(kDeviceTextLength)};
    default:
      return {Reply::Outcome::UnknownKind};
  }
}

std::optional<Reply> TakeReply(SerialLink& link) {
  if (link.commEvent() != kCommEventReceive) return std::nullopt;
  LinkSource source(link);
  Reply reply = ParseReply(source);
  link.setRThreshold(0);
  return reply;
}

void ApplyReadBack(const ReadBack& readBack, ParameterSet& params) {
  for (const auto& row : ReadBackLayout()) {
    const QByteArray& bytes = readBack.at(row.field);
    switch (row.decoding) {
      case ReadBackDecoding::Flag:
        params.setFlag(row.field, bytes == "1");
        break;
      case ReadBackDecoding::Text:
        params.setText(row.field, DecodeDeviceText(bytes));
        break;
      case ReadBackDecoding::WorkMode:
        if (bytes.size() == 1) params.setWorkMode(bytes[0]);
        break;
      case ReadBackDecoding::EnableCode: {
        const int code = DigitValue(bytes);
        if (code == 0) {
          params.setFlag(row.field, false);
        } else if (code == 1 || code == 2) {
          params.setFlag(row.field, true);
        } else if (bytes.size() == 1) {
          params.keepCode(row.field, bytes[0]);
        }
        break;
      }
      case ReadBackDecoding::Reserved:
        break;
    }
  }
}

ParameterSet ReadBackParameters(const ReadBack& readBack) {
  ParameterSet params;
  ApplyReadBack(readBack, params);
  return params;
}

}  // namespace vorlan
