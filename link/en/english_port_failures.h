#pragma once
// The serial port's failures in English: the English window's and vorlan_cli's words.

#include "link/port_failure_texts.h"

namespace vorlan {

const PortFailureTexts& EnglishPortFailureTexts();

}  // namespace vorlan
