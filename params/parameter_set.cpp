#include "params/parameter_set.h"

namespace vorlan {
namespace {

QString SendFields::*Member(Field f) {
  switch (f) {
    case Field::HisCallsign:
      return &SendFields::HisCallsign;
    case Field::HisPassword:
      return &SendFields::HisPassword;
    case Field::Instruction:
      return &SendFields::Instruction;
    default:
      Q_ASSERT(f == Field::Message);
      return &SendFields::Message;
  }
}

}  // namespace

const QString& SendFields::text(Field f) const {
  return this->*Member(f);
}

void SendFields::setText(Field f, const QString& value) {
  this->*Member(f) = value;
}

}  // namespace vorlan
