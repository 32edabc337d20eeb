// The golden conversations, replayed against the device and against the program on its pty.
#include <gtest/gtest.h>

#include <QDir>

#include "bytes_print.h"
#include "conversation_file.h"
#include "sim_process.h"
#include "tools/device_sim/device.h"

namespace vorlan::sim::test {
namespace {

struct Loaded {
  QString name;
  Conversation conversation;
};

std::vector<Loaded> Conversations() {
  const QDir dir(QStringLiteral(VORLAN_CONVERSATIONS));
  std::vector<Loaded> all;
  for (const QString& name : dir.entryList({"*.conv"}, QDir::Files, QDir::Name)) {
    all.push_back({name, LoadConversation(dir.filePath(name))});
  }
  return all;
}

char FillerByte(const QString& name) {
  return name == "nul" ? '\0' : name == "ff" ? '\xff' : ' ';
}

TEST(Conversations, TheDeviceAnswersEveryExchangeByteForByte) {
  const auto all = Conversations();
  ASSERT_EQ(all.size(), 4u);
  for (const auto& [name, conversation] : all) {
    ASSERT_EQ(conversation.error, "") << name.toStdString();
    Device device({.filler = FillerByte(conversation.filler)});
    FrameAssembler assembler;
    for (const auto& exchange : conversation.exchanges) {
      std::vector<Frame> frames = assembler.feed(exchange.tool);
      std::ranges::move(assembler.pause(), std::back_inserter(frames));  // the tool waits
      QByteArray answered;
      for (const auto& frame : frames) answered += device.answer(frame).reply;
      EXPECT_EQ(answered, exchange.device) << name.toStdString() << " line " << exchange.line;
    }
  }
}

TEST(Conversations, TheProgramAnswersTheSameOnItsPty) {
  for (const auto& [name, conversation] : Conversations()) {
    SimProcess sim({"--fast", "--filler", conversation.filler});
    ASSERT_TRUE(sim.running()) << name.toStdString();
    for (const auto& exchange : conversation.exchanges) {
      sim.send(exchange.tool);
      // No answer: the line must stay quiet past the end of a frame without end mark.
      const QByteArray answered =
          exchange.device.isEmpty() ? sim.receiveFor(200) : sim.receive(exchange.device.size());
      EXPECT_EQ(answered, exchange.device) << name.toStdString() << " line " << exchange.line;
    }
    EXPECT_EQ(sim.receiveFor(100), "") << name.toStdString();
  }
}

}  // namespace
}  // namespace vorlan::sim::test
