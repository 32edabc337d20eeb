// How the device cuts the byte stream into frames.
#include <gtest/gtest.h>

#include <QList>

#include "bytes_print.h"
#include "tools/device_sim/frame_assembler.h"

namespace vorlan::sim {

void PrintTo(const Frame& frame, std::ostream* os) {
  *os << FrameKindName(frame.kind) << ' ';
  ::PrintTo(frame.bytes, os);
}

namespace {

TEST(FrameAssembler, CutsTheStreamIntoFrames) {
  using K = FrameKind;
  const struct {
    QList<QByteArray> pieces;
    std::vector<Frame> beforePause;
    std::vector<Frame> atPause;
  } rows[] = {
      {{"$", "2", "#"}, {{K::Read, "$2#"}}, {}},
      {{"$2#$3#"}, {{K::Read, "$2#"}, {K::About, "$3#"}}, {}},
      {{"xy$3#"}, {{K::Noise, "xy"}, {K::About, "$3#"}}, {}},
      {{"$0ab&c|", "d|#$2"}, {{K::Write, "$0ab&c|d|#"}}, {{K::Noise, "$2"}}},
      {{"$0ab&c|"}, {}, {{K::Write, "$0ab&c|"}}},
      {{"*@NOCALL*", "hello"}, {}, {{K::Message, "*@NOCALL*hello"}}},
      {{"**3@A@B@", "C"}, {}, {{K::Instruction, "**3@A@B@C"}}},
      {{"*", "*3@"}, {}, {{K::Instruction, "**3@"}}},
      {{"$4   "}, {}, {{K::Noise, "$4   "}}},  // a reply heard back is noise
  };
  for (const auto& row : rows) {
    FrameAssembler assembler;
    std::vector<Frame> frames;
    for (const auto& piece : row.pieces)
      std::ranges::move(assembler.feed(piece), std::back_inserter(frames));
    EXPECT_EQ(frames, row.beforePause) << row.pieces.join('/').toStdString();
    EXPECT_EQ(assembler.pause(), row.atPause) << row.pieces.join('/').toStdString();
    EXPECT_FALSE(assembler.waiting());
  }
}

}  // namespace
}  // namespace vorlan::sim
