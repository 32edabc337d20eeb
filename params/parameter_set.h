#pragma once
// The device configuration as the tool edits it, and the four send fields beside it. Values are
// held as the window holds them: texts as typed (the work mode as its box's text), flags as on/off.
// A code the device sent that none of these can stand for is kept as the device's byte.

#include <QString>
#include <array>
#include <optional>

#include "params/field.h"

namespace vorlan {

class ParameterSet {
 public:
  // Text fields and WorkMode. Setting one lets a kept code go.
  const QString& text(Field f) const { return texts_[Slot(f)]; }
  void setText(Field f, const QString& value) {
    texts_[Slot(f)] = value;
    codes_[Slot(f)].reset();
  }
  // Flags. Setting one lets a kept code go.
  bool flag(Field f) const { return flags_[Slot(f)]; }
  void setFlag(Field f, bool on) {
    flags_[Slot(f)] = on;
    codes_[Slot(f)].reset();
  }

  // A code byte the device sent that its field's table has no entry for (a work mode outside "0"
  // to "4", a server enable outside "0" to "2"). While it is kept it is the field's value: files,
  // comparisons and the write frame take it as it came, whatever the text or flag says.
  std::optional<char> keptCode(Field f) const { return codes_[Slot(f)]; }
  void keepCode(Field f, char code) { codes_[Slot(f)] = code; }

  // Takes one field's whole value from another set: its text, flag and kept code.
  void copyValue(Field f, const ParameterSet& from) {
    texts_[Slot(f)] = from.texts_[Slot(f)];
    flags_[Slot(f)] = from.flags_[Slot(f)];
    codes_[Slot(f)] = from.codes_[Slot(f)];
  }

  // Field by field; under a kept code the text or flag does not count.
  bool operator==(const ParameterSet& other) const;

 private:
  static std::size_t Slot(Field f) {
    Q_ASSERT(IsParameter(f));
    return static_cast<std::size_t>(Index(f));
  }

  std::array<QString, kParameterCount> texts_;
  std::array<bool, kParameterCount> flags_{};
  std::array<std::optional<char>, kParameterCount> codes_{};
};

struct SendFields {
  QString HisCallsign, HisPassword, Instruction, Message;

  bool operator==(const SendFields&) const = default;

  // HisCallsign, HisPassword, Instruction or Message.
  const QString& text(Field f) const;
  void setText(Field f, const QString& value);
};

}  // namespace vorlan
