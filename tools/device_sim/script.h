#pragma once
// A device conversation stated as data (--script FILE), one step a line:
//
//   expect KIND        waits for the next frame the device receives: read, about, write,
//                      instruction, message, noise, or any
//   send BYTES         sends these bytes, in byte notation (byte_notation.h):
//                      send "$4" 3*" "    send 24 34 20 20 20
//   send-text TEXT     sends the rest of the line after the one blank, byte for byte
//   wait MS            the line stays quiet this long after what was sent before
//   answer             sends what the device answers to the frame last expected (it stores a
//                      write frame it takes; --filler, the device options and the faults apply)
//
// Blank lines and lines whose first non-blank is "#" are skipped; elsewhere a "#" outside quotes
// starts a comment (not in send-text). A frame of another kind than the expected one is logged and
// not answered, and the step goes on waiting. Once the last step has run the device answers
// nothing more.

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "tools/device_sim/frame_assembler.h"

namespace vorlan::sim {

struct ScriptStep {
  enum class Kind { Expect, Send, Wait, Answer };
  Kind kind;
  int line;
  std::optional<FrameKind> expected = {};  // Expect; none for "any"
  QByteArray bytes = {};                   // Send
  int ms = 0;                              // Wait
};

struct Script {
  std::vector<ScriptStep> steps;
  QString error;  // "line N: ...", when the text is not a script
};

Script ParseScript(const QByteArray& text);

struct ScriptAction {
  enum class Kind { Send, Pause, Answer, Note };
  Kind kind;
  QByteArray bytes = {};  // Send
  int ms = 0;             // Pause
  Frame frame = {};       // Answer: the frame to answer
  QString note = {};      // Note: for the log
  bool operator==(const ScriptAction&) const = default;
};

class ScriptPlayer {
 public:
  explicit ScriptPlayer(std::vector<ScriptStep> steps) : steps_(std::move(steps)) {}

  // The steps before the first expect.
  std::vector<ScriptAction> start();
  // A frame arrived: the steps it lets run.
  std::vector<ScriptAction> receive(const Frame& frame);
  bool finished() const { return next_ >= steps_.size(); }

 private:
  std::vector<ScriptAction> runToExpect();

  std::vector<ScriptStep> steps_;
  size_t next_ = 0;
  Frame last_{FrameKind::Noise, {}};
};

}  // namespace vorlan::sim
