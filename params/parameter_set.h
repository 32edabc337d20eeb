#pragma once
// The device configuration as the tool edits it, and the four send fields beside it. Values are
// held as the device knows them, in no language: texts, flags, and the work mode as the device's
// code. A code the device sent that the tool has no entry for is held as it came.

#include <QString>
#include <array>
#include <optional>

#include "params/field.h"

namespace vorlan {

// The work-mode codes the device documents, "0" to "4"; code 1 at start and after a factory reset.
inline constexpr char kFirstWorkMode = '0';
inline constexpr int kWorkModeCount = 5;
inline constexpr char kInitialWorkMode = '1';
constexpr bool IsListedWorkMode(char code) {
  return code >= kFirstWorkMode && code < kFirstWorkMode + kWorkModeCount;
}

class ParameterSet {
 public:
  // Text fields.
  const QString& text(Field f) const { return texts_[Slot(f)]; }
  void setText(Field f, const QString& value) { texts_[Slot(f)] = value; }

  // Flags. Setting one lets a kept code go.
  bool flag(Field f) const { return flags_[Slot(f)]; }
  void setFlag(Field f, bool on) {
    flags_[Slot(f)] = on;
    codes_[Slot(f)].reset();
  }
  // A code byte the device sent for an enable flag that its table has no entry for (outside "0"
  // to "2"). While it is kept it is the field's value: files, comparisons and the write frame take
  // it as it came, whatever the flag says.
  std::optional<char> keptCode(Field f) const { return codes_[Slot(f)]; }
  void keepCode(Field f, char code) { codes_[Slot(f)] = code; }

  // The work mode: the device's code byte, a listed one ("0" to "4") or any other it sent.
  char workMode() const { return workMode_; }
  void setWorkMode(char code) { workMode_ = code; }

  // Whether one field holds the same value in both sets; under a kept code the flag does not count.
  bool sameValue(Field f, const ParameterSet& other) const;
  // Takes one field's whole value from another set.
  void copyValue(Field f, const ParameterSet& from);

  bool operator==(const ParameterSet& other) const;

 private:
  static std::size_t Slot(Field f) {
    Q_ASSERT(IsParameter(f) && f != Field::WorkMode);
    return static_cast<std::size_t>(Index(f));
  }

  std::array<QString, kParameterCount> texts_;
  std::array<bool, kParameterCount> flags_{};
  std::array<std::optional<char>, kParameterCount> codes_{};
  char workMode_ = kInitialWorkMode;
};

struct SendFields {
  QString HisCallsign, HisPassword, Instruction, Message;

  bool operator==(const SendFields&) const = default;

  // HisCallsign, HisPassword, Instruction or Message.
  const QString& text(Field f) const;
  void setText(Field f, const QString& value);
};

}  // namespace vorlan
