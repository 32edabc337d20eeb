#pragma once
// When the device's answers go out: at once, after a delay, a Read late, or one request late.

#include <random>
#include <vector>

#include "tools/device_sim/device.h"
#include "tools/device_sim/faults.h"

namespace vorlan::sim {

struct Timing {
  int delayMs = 0;     // every answer is due this long after its frame arrived
  int lateReadMs = 0;  // a Read's answer is due this much later still; later frames are answered
                       // in the meantime, as they come
  // Answers pair up: the answer to a frame that arrives while none is held back is held back;
  // the next frame the device recognises (a message included, noise not) sends it at once, and
  // then gets its own answer as usual. So the 1st, 3rd, 5th ... answer arrives after the tool's
  // next request, just before that request's answer.
  bool staleReply = false;
};

struct Outgoing {
  QByteArray bytes;
  int delayMs;  // after the frame arrived
  bool operator==(const Outgoing&) const = default;
};

struct Response {
  std::vector<Outgoing> sends;  // in the order they go out when due at the same time
  QString note;                 // from the device, for the log
};

class Responder {
 public:
  Responder(Device& device, const Faults& faults, const Timing& timing, unsigned seed)
      : device_(device), faults_(faults), timing_(timing), random_(seed) {}

  // The device's answer to the frame with the faults applied, and when it goes out.
  Response respond(const Frame& frame);

  // The answer with the faults applied, due at once (for a script's "answer" step).
  Response answerAtOnce(const Frame& frame);

 private:
  Device& device_;
  Faults faults_;
  Timing timing_;
  std::mt19937 random_;
  std::optional<QByteArray> held_;
};

}  // namespace vorlan::sim
