#pragma once
// The device configuration as the tool edits it, and the four send fields beside it. Values are
// held as the window holds them: texts as typed (the work mode as its box's text), flags as on/off.

#include <QString>
#include <array>

#include "params/field.h"

namespace vorlan {

class ParameterSet {
 public:
  // Text fields and WorkMode.
  const QString& text(Field f) const { return texts_[Slot(f)]; }
  void setText(Field f, const QString& value) { texts_[Slot(f)] = value; }
  // Flags.
  bool flag(Field f) const { return flags_[Slot(f)]; }
  void setFlag(Field f, bool on) { flags_[Slot(f)] = on; }

  bool operator==(const ParameterSet&) const = default;

 private:
  static std::size_t Slot(Field f) {
    Q_ASSERT(IsParameter(f));
    return static_cast<std::size_t>(Index(f));
  }

  std::array<QString, kParameterCount> texts_;
  std::array<bool, kParameterCount> flags_{};
};

struct SendFields {
  QString HisCallsign, HisPassword, Instruction, Message;

  bool operator==(const SendFields&) const = default;

  // HisCallsign, HisPassword, Instruction or Message.
  const QString& text(Field f) const;
  void setText(Field f, const QString& value);
};

}  // namespace vorlan
