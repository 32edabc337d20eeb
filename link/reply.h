#pragma once
// A device reply read into a value: its kind and, for a read-back, every field's bytes exactly as
// they came. Applying a read-back to a ParameterSet follows the device's decoding rules.

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>
#include <utility>

#include "link/serial_link.h"
#include "params/parameter_set.h"

namespace vorlan {

// The bytes of every parameter of a read-back, by key; reserved spans are not kept.
struct ReadBack {
  std::array<QByteArray, kParameterCount> bytes;

  const QByteArray& at(Field f) const { return bytes[static_cast<std::size_t>(Index(f))]; }
  bool operator==(const ReadBack&) const = default;
};

struct Reply {
  enum class Outcome {
    NoLead,           // the first byte is not "$"
    ReadBack,         // kind 1, all 402 bytes there: readBack holds them
    ShortReadBack,    // kind 1 with fewer than 402 bytes buffered: nothing may be applied
    RadioReadDone,    // kind 2
    RadioWriteDone,   // kind 3
    WriteDone,        // kind 4
    WriteIncomplete,  // kind 5: a written parameter is short of characters
    DeviceText,       // kind 6: deviceText holds the 100 bytes, or nothing when fewer were there
    UnknownKind,      // any other kind, a non-digit, or no kind at all
  };

  Outcome outcome;
  ReadBack readBack = {};
  QByteArray deviceText = {};
};

// Whether the reply is of a kind the request expects: a whole one (a read-back cut short is not).
bool Answers(const Request& request, const Reply& reply);

// Where a reply's bytes come from: take exactly n bytes, or nothing when fewer are waiting.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual int available() const = 0;
  virtual QByteArray take(int n) = 0;
};

// Bytes held in memory as a byte source.
class BufferSource : public ByteSource {
 public:
  explicit BufferSource(QByteArray bytes) : bytes_(std::move(bytes)) {}
  int available() const override { return static_cast<int>(bytes_.size()); }
  QByteArray take(int n) override;

 private:
  QByteArray bytes_;
};

// Reads one reply from the front of the source, taking only what the reply's kind consumes: the
// lead; the kind; for a whole read-back its 400 bytes, for a device text 100 bytes.
Reply ParseReply(ByteSource& source);

// The receive event: nothing for an event other than characters received. Otherwise reads the
// reply from the link's input buffer and disarms the threshold, so no second event comes while the
// owner shows the outcome.
std::optional<Reply> TakeReply(SerialLink& link);

// Puts a read-back's values into the set: a flag is on only for "1"; an enable code 0 clears, 1 or
// 2 tick, any other is kept as the device's byte (ParameterSet::keptCode); the work mode takes the
// device's code byte, whatever it is; a text takes all its bytes, decoded reversibly. So the set
// holds every value as it came; the window shows only what its controls can.
void ApplyReadBack(const ReadBack& readBack, ParameterSet& params);

// The read-back's values alone, whatever a window showed before: what a backup keeps.
ParameterSet ReadBackParameters(const ReadBack& readBack);

}  // namespace vorlan
