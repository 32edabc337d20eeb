#pragma once
// The findings in English: the English window's and vorlan_cli's words.

#include "check/finding_texts.h"

namespace vorlan {

const FindingTexts& EnglishFindingTexts();

}  // namespace vorlan
