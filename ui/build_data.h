#pragma once
// What one program is built with: its language data and its window layout. Each program compiles
// exactly one definition of ThisBuild (ui/lang/<language>/<language>_build.cpp), so it links only
// its own language.

#include "ui/language_data.h"
#include "ui/window_layout.h"

namespace vorlan::ui {

struct BuildData {
  const LanguageData& language;
  const WindowLayout& layout;
};

BuildData ThisBuild();

}  // namespace vorlan::ui
