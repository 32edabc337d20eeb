#pragma once
// The simulated device: what it answers to each frame, and what it stores.

#include <QByteArray>
#include <QString>
#include <string>

#include "tools/device_sim/configuration.h"
#include "tools/device_sim/frame_assembler.h"

namespace vorlan::sim {

// The about text: 100 bytes.
QByteArray AboutText();

struct DeviceSettings {
  char filler = ' ';              // pads texts in the read-back and fills every reply's tail
  bool radioRead = false;         // a Read gets "$2" and kShortAnswerTail filler bytes (5 in all)
  bool about100 = false;          // About gets "$6" and the first 98 bytes of the text (100 in all)
  std::string corruptField = {};  // after every accepted write, stored wrong (Corrupted)
};

struct Answer {
  QByteArray reply;  // empty: no answer
  QString note;      // for the log: why a write was refused, which field was stored wrong
};

class Device {
 public:
  explicit Device(DeviceSettings settings = {}) : settings_(std::move(settings)) {}

  // "$2#": "$1", the 400-byte read-back and kReadBackTrailer filler bytes (412).
  // "$3#": "$6" and the about text (102).
  // A write frame: "$4" and stored byte for byte, or "$5" and nothing stored when ParseWriteFrame
  // refuses it. An instruction frame: "$3". Each short answer ends in kShortAnswerTail filler
  // bytes (5 in all). A message frame or noise: nothing.
  Answer answer(const Frame& frame);

  const Configuration& configuration() const { return configuration_; }

 private:
  QByteArray shortAnswer(char kind) const;
  Answer write(const QByteArray& frame);

  DeviceSettings settings_;
  Configuration configuration_ = DefaultConfiguration();
};

}  // namespace vorlan::sim
