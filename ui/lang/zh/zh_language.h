#pragma once

#include "params/language_data.h"

namespace vorlan {

const LanguageData& ChineseLanguage();

}  // namespace vorlan
