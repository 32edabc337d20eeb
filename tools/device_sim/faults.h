#pragma once
// Faults a test may ask of the device, applied to every answer it sends.

#include <QByteArray>
#include <optional>
#include <random>

namespace vorlan::sim {

struct Faults {
  int noise = 0;                  // random bytes before the answer, never "$"
  int dollarNoise = 0;            // random bytes before the answer, after `noise`: see DollarNoise
  int cut = -1;                   // the answer cut to this many bytes; -1 leaves it whole
  bool wrongLead = false;         // "#" in place of the "$"
  std::optional<char> wrongKind;  // this byte in place of the kind
};

// `count` random bytes of any value but "$".
QByteArray Noise(int count, std::mt19937& random);

// `count` random bytes that hold "$": the first byte is "$", the others are of any value, except
// that a "$" is never followed by a reply kind "1" to "6" (that byte is drawn again), so the
// noise never reads as the start of a reply.
QByteArray DollarNoise(int count, std::mt19937& random);

// The answer with the faults applied; no answer stays no answer.
QByteArray ApplyFaults(QByteArray reply, const Faults& faults, std::mt19937& random);

}  // namespace vorlan::sim
