#pragma once
// The device parameters and the send fields, described once as data: every other part of the tool
// (frames, read-back, factory reset, the window) looks fields up here by name.

#include <span>
#include <string_view>

namespace vorlan {

enum class FieldKind {
  Text,      // entry box; free text bounded by an entry limit
  Flag,      // check box, on or off
  WorkMode,  // editable drop-down whose list texts stand for the codes "0" to "4"
};

enum class FieldRole {
  Parameter,  // one of the 44 device parameters
  SendField,  // argument of the instruction or message frame, never written to the device config
};

struct FieldInfo {
  std::string_view name;     // field name, e.g. "Callsign"
  std::string_view control;  // window control, e.g. "Text1"
  FieldKind kind;
  int maxLength;             // entry limit in characters; 0 where the control has none
  std::string_view groupEn;  // group frame holding the control in the English window
  std::string_view groupZh;  // the same in the Chinese window (only Spare4 differs)
  FieldRole role;
};

// The 44 parameters (25 texts, 18 flags, the work mode) followed by the 4 send fields.
std::span<const FieldInfo> FieldTable();

// nullptr when no field has that name.
const FieldInfo* FindField(std::string_view name);
const FieldInfo* FindFieldByControl(std::string_view control);

inline constexpr int kParameterCount = 44;

}  // namespace vorlan
