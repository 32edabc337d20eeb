#pragma once

#include "params/language_data.h"

namespace vorlan {

const LanguageData& EnglishLanguage();

}  // namespace vorlan
