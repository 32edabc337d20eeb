#include "tools/device_sim/responder.h"

namespace vorlan::sim {

Response Responder::answerAtOnce(const Frame& frame) {
  const Answer answer = device_.answer(frame);
  Response response{{}, answer.note};
  const QByteArray reply = ApplyFaults(answer.reply, faults_, random_);
  if (!reply.isEmpty()) response.sends.push_back({reply, 0});
  return response;
}

Response Responder::respond(const Frame& frame) {
  Response response = answerAtOnce(frame);
  const int delay = timing_.delayMs + (frame.kind == FrameKind::Read ? timing_.lateReadMs : 0);
  for (auto& send : response.sends) send.delayMs = delay;
  if (!timing_.staleReply || frame.kind == FrameKind::Noise) return response;

  if (held_) {
    response.sends.insert(response.sends.begin(), {*held_, 0});
    held_.reset();
  } else if (!response.sends.empty()) {
    held_ = response.sends.front().bytes;
    response.sends.clear();
  }
  return response;
}

}  // namespace vorlan::sim
