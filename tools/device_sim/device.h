#pragma once
// The simulated device: what it answers to each frame, and the faults a test may ask of it.

#include <QByteArray>
#include <QString>
#include <optional>
#include <random>

#include "tools/device_sim/configuration.h"
#include "tools/device_sim/frame_assembler.h"

namespace vorlan::sim {

// Bytes after the 402-byte read-back that the device sends as well.
inline constexpr int kReadBackTrailer = 10;
// Bytes after the kind of a short answer ("$4", "$5", "$3").
inline constexpr int kShortAnswerTail = 3;

// The about text: 100 bytes, the exact length the tool shows.
QByteArray AboutText();

struct Answer {
  QByteArray reply;  // empty: no answer
  QString note;      // for the log, e.g. why a write was refused
};

class Device {
 public:
  explicit Device(char filler = ' ') : filler_(filler) {}

  // "$2#": "$1", the read-back, then kReadBackTrailer more bytes. "$3#": "$6" and the about text.
  // A write frame: "$4" and stored, or "$5" when unsound; both followed by kShortAnswerTail filler
  // bytes. An instruction frame: "$3" and the same tail. A message frame or noise: nothing.
  Answer answer(const Frame& frame);

  const Configuration& configuration() const { return configuration_; }

 private:
  QByteArray shortAnswer(char kind) const;

  char filler_;
  Configuration configuration_ = DefaultConfiguration();
};

// Faults applied to every reply, for tests.
struct Faults {
  int noise = 0;                  // random bytes (never "$") before the reply
  int cut = -1;                   // the reply cut to this many bytes; -1 leaves it whole
  bool wrongLead = false;         // "#" in place of the "$"
  std::optional<char> wrongKind;  // this character in place of the kind
};

QByteArray ApplyFaults(QByteArray reply, const Faults& faults, std::mt19937& random);

}  // namespace vorlan::sim
