#pragma once
// Why the tool will not send what the user asked for: the device would misread it. A value, so
// that each front end words it in its own language.

#include <QString>
#include <variant>

#include "params/field.h"

namespace vorlan {

struct Refusal {
  enum class Rule {
    HeadWidth,       // a head text must take exactly `needed` bytes; it takes `found`
    TailTooLong,     // a tail text may take at most `needed` bytes; it takes `found`
    NoWorkModeCode,  // `offending` (the work-mode text) is none of the list texts
    Delimiter,       // `offending` (one character) encodes to a byte the frame uses as delimiter
    NoTextCodec,     // this system cannot encode texts for the device at all
    WrongForm,       // `offending` (the value) is not of the field's form (field_table.h)
    TooManyBytes,    // a send field may take at most `needed` bytes on the line; it takes `found`
  };

  Field field;
  Rule rule;
  int needed = 0;
  int found = 0;
  QString offending = {};

  bool operator==(const Refusal&) const = default;
};

// A request, or why it is refused.
template <typename T>
using OrRefusal = std::variant<T, Refusal>;

}  // namespace vorlan
