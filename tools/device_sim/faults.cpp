#include "tools/device_sim/faults.h"

#include "tools/device_sim/line_texts.h"

namespace vorlan::sim {
namespace {

char RandomByte(std::mt19937& random) {
  return static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random));
}

bool IsReplyKind(char c) {
  return c >= '1' && c <= '6';
}

}  // namespace

QByteArray Noise(int count, std::mt19937& random) {
  QByteArray noise;
  std::uniform_int_distribution<int> byte(0, 254);
  for (int i = 0; i < count; ++i) {
    const int b = byte(random);
    noise += static_cast<char>(b >= kReplyLead ? b + 1 : b);  // every byte value but "$"
  }
  return noise;
}

QByteArray DollarNoise(int count, std::mt19937& random) {
  QByteArray noise = count > 0 ? QByteArray(1, kReplyLead) : QByteArray();
  while (noise.size() < count) {
    const char b = RandomByte(random);
    if (!(noise.endsWith(kReplyLead) && IsReplyKind(b))) noise += b;
  }
  return noise;
}

QByteArray ApplyFaults(QByteArray reply, const Faults& faults, std::mt19937& random) {
  if (reply.isEmpty()) return reply;
  if (faults.wrongLead) reply[0] = '#';
  if (faults.wrongKind && reply.size() > 1) reply[1] = *faults.wrongKind;
  if (faults.cut >= 0) reply.truncate(faults.cut);
  return Noise(faults.noise, random) + DollarNoise(faults.dollarNoise, random) + reply;
}

}  // namespace vorlan::sim
