#include "tools/device_sim/transmitter.h"

#include <algorithm>

#include "tools/device_sim/log.h"

namespace vorlan::sim {
namespace {

// Start, 8 data and stop bit at 9600 baud.
constexpr std::chrono::nanoseconds kByteTime{1'000'000'000LL * 10 / 9600};

}  // namespace

Transmitter::Transmitter(Line& line, const TransmitSettings& settings)
    : line_(line), settings_(settings) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  timer_.callOnTimeout([this] { tick(); });
}

void Transmitter::send(const QByteArray& reply, int delayMs) {
  if (!reply.isEmpty()) enqueue({Clock::now() + std::chrono::milliseconds(delayMs), reply});
}

void Transmitter::pause(int ms) {
  enqueue({Clock::now(), {}, std::chrono::milliseconds(ms)});
}

void Transmitter::enqueue(Item item) {
  const auto after =
      std::upper_bound(queue_.begin(), queue_.end(), item.due,
                       [](auto due, const Item& queued) { return due < queued.due; });
  queue_.insert(after, std::move(item));
  tick();
}

qsizetype Transmitter::pieceEnd(qsizetype from) const {
  const qsizetype size = current_->reply.size();
  return settings_.chunk > 0 ? std::min<qsizetype>(from + settings_.chunk, size) : size;
}

void Transmitter::wakeAt(Clock::time_point when) {
  const auto wait = std::chrono::ceil<std::chrono::milliseconds>(when - Clock::now());
  timer_.start(std::max(wait, std::chrono::milliseconds(0)));
}

// Takes the next item that is due; false when nothing is, with the timer set for when it will be.
bool Transmitter::startNext(Clock::time_point now) {
  while (!current_) {
    if (now < quietUntil_) {
      wakeAt(quietUntil_);
      return false;
    }
    if (queue_.empty()) return false;
    if (queue_.front().due > now) {
      wakeAt(queue_.front().due);
      return false;
    }
    Item item = std::move(queue_.front());
    queue_.pop_front();
    if (item.reply.isEmpty()) {
      quietUntil_ = now + item.pause;
      continue;
    }
    current_ = Current{std::move(item.reply), 0, 0, now};
    current_->pieceEnd = pieceEnd(0);
  }
  return true;
}

// Writes the bytes of the current reply that are due by now.
void Transmitter::sendDue(Current& c, Clock::time_point now) {
  qsizetype count = c.pieceEnd - c.at;
  if (!settings_.fast) count = std::min<qsizetype>(count, 1 + (now - c.nextByte) / kByteTime);
  if (settings_.hangUpAfter >= 0) {
    if (sent_ >= settings_.hangUpAfter) line_.hangUp(sent_);
    count = std::min<qsizetype>(count, settings_.hangUpAfter - sent_);
  }
  line_.write(c.reply.constData() + c.at, size_t(count));
  c.at += count;
  sent_ += count;
  if (!settings_.fast) c.nextByte += count * kByteTime;
  if (settings_.hangUpAfter >= 0 && sent_ >= settings_.hangUpAfter) line_.hangUp(sent_);
}

void Transmitter::tick() {
  for (;;) {
    const auto now = Clock::now();
    if (!startNext(now)) return;
    Current& c = *current_;
    if (now < c.nextByte) return wakeAt(c.nextByte);
    sendDue(c, now);
    if (c.at == c.reply.size()) {
      Log("tx " + Hex(c.reply));
      current_.reset();
    } else if (c.at == c.pieceEnd) {
      c.pieceEnd = pieceEnd(c.at);
      c.nextByte = std::max(c.nextByte, now) + std::chrono::milliseconds(settings_.gapMs);
    }
  }
}

}  // namespace vorlan::sim
