#include "tools/device_sim/read_back.h"

#include "tools/device_sim/line_texts.h"

namespace vorlan::sim {

QByteArray ReadBackBody(const Configuration& configuration, char filler) {
  QByteArray body;
  body.reserve(kReadBackBodyLength);
  for (const auto& span : kReadBackSpans) {
    const auto it = configuration.find(span.name);
    const QByteArray stored = it == configuration.end() ? QByteArray() : it->second;
    body += stored.left(span.width).leftJustified(span.width, filler);
  }
  return body;
}

QByteArray ReadBackReply(const Configuration& configuration, char filler) {
  return ReplyHead(kReadBackKind) + ReadBackBody(configuration, filler) +
         QByteArray(kReadBackTrailer, filler);
}

}  // namespace vorlan::sim
