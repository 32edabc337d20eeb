#include "ui/build_data.h"
#include "ui/lang/en/en_language.h"
#include "ui/lang/en/en_layout.h"

namespace vorlan::ui {

BuildData ThisBuild() {
  return {EnglishLanguage(), EnglishLayout()};
}

}  // namespace vorlan::ui
