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

bool ParameterSet::operator==(const ParameterSet& other) const {
  for (std::size_t i = 0; i < codes_.size(); ++i) {
    if (codes_[i] != other.codes_[i]) return false;
    if (!codes_[i] && (texts_[i] != other.texts_[i] || flags_[i] != other.flags_[i])) return false;
  }
  return true;
}

const QString& SendFields::text(Field f) const {
  return this->*Member(f);
}

void SendFields::setText(Field f, const QString& value) {
  this->*Member(f) = value;
}

}  // namespace vorlan
