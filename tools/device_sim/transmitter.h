#pragma once
// Sends replies on the line from the event loop, so the device goes on receiving while it sends:
// each byte at 9600 baud (or all at once with `fast`), a reply in pieces with quiet gaps, and a
// hang-up after a given number of reply bytes.

#include <QByteArray>
#include <QTimer>
#include <chrono>
#include <deque>
#include <optional>

#include "tools/device_sim/line.h"

namespace vorlan::sim {

struct TransmitSettings {
  bool fast = false;
  int chunk = 0;          // pieces of this many bytes; 0: whole
  int gapMs = 0;          // quiet between pieces
  long hangUpAfter = -1;  // close the line once this many reply bytes have gone; -1: never
};

class Transmitter {
 public:
  Transmitter(Line& line, const TransmitSettings& settings);

  // Queues a reply due `delayMs` from now. Replies go out whole, one after another, in the order
  // they fall due; "tx <hex>" is logged once the last byte of one is out.
  void send(const QByteArray& reply, int delayMs = 0);
  // The line stays quiet this long once what is due by now has gone out.
  void pause(int ms);

 private:
  using Clock = std::chrono::steady_clock;
  struct Item {
    Clock::time_point due;
    QByteArray reply;  // empty: a pause
    Clock::duration pause{};
  };
  struct Current {
    QByteArray reply;
    qsizetype at = 0;
    qsizetype pieceEnd = 0;
    Clock::time_point nextByte;
  };

  void enqueue(Item item);
  void tick();
  bool startNext(Clock::time_point now);
  void sendDue(Current& c, Clock::time_point now);
  void wakeAt(Clock::time_point when);
  qsizetype pieceEnd(qsizetype from) const;

  Line& line_;
  TransmitSettings settings_;
  std::deque<Item> queue_;
  std::optional<Current> current_;
  Clock::time_point quietUntil_{};
  long sent_ = 0;
  QTimer timer_;
};

}  // namespace vorlan::sim
