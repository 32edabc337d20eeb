#pragma once

#include "ui/language_data.h"

namespace vorlan {

const LanguageData& EnglishLanguage();

}  // namespace vorlan
