// The receive threshold every transport shares, over a port in memory: bytes that came before the
// threshold count, a reply in pieces raises one event, the handler is never re-entered, and the
// input buffer keeps the oldest 1024 bytes.
#include <gtest/gtest.h>

#include "event_loop.h"
#include "link/transport/threshold_link.h"

namespace vorlan::test {
namespace {

// A transport whose port is memory: the test hands it the bytes the system would read.
class MemoryTransport : public ThresholdLink {
 public:
  MemoryTransport() : ThresholdLink(nullptr) {
    setDeviceResolver([](int) { return QStringLiteral("MEM"); });
  }
  bool openSystemPort(const QString& path) override {
    open_ = true;
    opened(path);
    return true;
  }
  void closeDevice() override {
    open_ = false;
    closed();
  }
  bool portOpen() const override { return open_; }
  bool clearOutBuffer() override { return true; }
  bool clearInBuffer() override {
    discardInput();
    return true;
  }
  bool output(const QByteArray&) override { return true; }
  bool drain(int) override { return true; }
  void arrive(const QByteArray& bytes) { received(bytes); }

 private:
  bool open_ = false;
};

TEST(ThresholdLink, OneEventPerArmingFromTheLoopCountingEarlierBytes) {
  const struct {
    const char* name;
    int before;         // bytes waiting when the threshold is armed
    QList<int> pieces;  // bytes arriving afterwards, piece by piece
    int threshold;
    int events;
  } rows[] = {
      {"all there before arming", 102, {}, 100, 1},
      {"in pieces", 0, {3, 40, 1, 56, 2}, 100, 1},
      {"partly before", 60, {30, 30}, 100, 1},
      {"short of the threshold", 50, {49}, 100, 0},
      {"disarmed", 200, {}, 0, 0},
  };
  for (const auto& row : rows) {
    MemoryTransport link;
    ASSERT_TRUE(link.setPortOpen(true));
    int events = 0;
    link.onComm = [&] {
      ++events;
      EXPECT_EQ(link.commEvent(), kCommEventReceive);
    };
    link.arrive(QByteArray(row.before, 'a'));
    ASSERT_TRUE(link.setRThreshold(row.threshold));
    EXPECT_EQ(events, 0) << row.name << ": never from inside a call";
    for (int piece : row.pieces) {
      link.arrive(QByteArray(piece, 'b'));
      Pump(1);
    }
    Pump(20);
    EXPECT_EQ(events, row.events) << row.name;
  }
}

TEST(ThresholdLink, AHandlerThatReArmsIsNotReentered) {
  MemoryTransport link;
  ASSERT_TRUE(link.setPortOpen(true));
  int events = 0, depth = 0, maxDepth = 0;
  link.onComm = [&] {
    maxDepth = std::max(maxDepth, ++depth);
    if (++events == 1) {
      link.setRThreshold(1);  // already reached: served once this handler returns
      Pump(50);               // like a modal message box
    }
    --depth;
  };
  link.arrive("$3#");
  ASSERT_TRUE(link.setRThreshold(3));
  ASSERT_TRUE(WaitUntil([&] { return events == 2; }, 1000));
  Pump(20);
  EXPECT_EQ(events, 2);
  EXPECT_EQ(maxDepth, 1);
}

TEST(ThresholdLink, KeepsTheOldest1024BytesAndNeedsAnOpenPortToArm) {
  MemoryTransport link;
  EXPECT_FALSE(link.setRThreshold(1));
  EXPECT_EQ(link.lastFailure().kind, LinkFailure::Kind::NotOpen);
  ASSERT_TRUE(link.setPortOpen(true));
  link.arrive(QByteArray(1000, 'a'));
  link.arrive(QByteArray(500, 'b'));
  EXPECT_EQ(link.inBufferCount(), 1024);
  link.setInputLen(1024);
  EXPECT_EQ(link.input(), QByteArray(1000, 'a') + QByteArray(24, 'b'));
  link.arrive("xyz");
  link.setRThreshold(3);
  link.setPortOpen(false);  // closing drops what waited and the threshold
  int events = 0;
  link.onComm = [&] { ++events; };
  Pump(20);
  EXPECT_EQ(events, 0);
  EXPECT_EQ(link.inBufferCount(), 0);
}

}  // namespace
}  // namespace vorlan::test
