#pragma once
// Unpacks a result that is a value or a Failure: `name` becomes the value, or the enclosing
// function returns the failure.

#include <variant>

#define VORLAN_TRY(name, expression)                               \
  auto name##Result = (expression);                                \
  if (auto* name##Failure = std::get_if<Failure>(&name##Result)) { \
    return *name##Failure;                                         \
  }                                                                \
  auto& name = std::get<0>(name##Result)
