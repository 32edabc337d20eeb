#include "params/parameter_set.h"

#include "params/field_table.h"

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

bool ParameterSet::sameValue(Field f, const ParameterSet& other) const {
  switch (Def(f).kind) {
    case FieldKind::Text:
      return text(f) == other.text(f);
    case FieldKind::Flag:
      if (keptCode(f) != other.keptCode(f)) return false;
      return keptCode(f) || flag(f) == other.flag(f);
    case FieldKind::WorkMode:
      return workMode_ == other.workMode_;
  }
  return false;
}

void ParameterSet::copyValue(Field f, const ParameterSet& from) {
  switch (Def(f).kind) {
    case FieldKind::Text:
      setText(f, from.text(f));
      break;
    case FieldKind::Flag:
      flags_[Slot(f)] = from.flags_[Slot(f)];
      codes_[Slot(f)] = from.codes_[Slot(f)];
      break;
    case FieldKind::WorkMode:
      workMode_ = from.workMode_;
      break;
  }
}

bool ParameterSet::operator==(const ParameterSet& other) const {
  for (int i = 0; i < kParameterCount; ++i) {
    if (!sameValue(static_cast<Field>(i), other)) return false;
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
