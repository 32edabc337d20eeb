#include "ui/build_data.h"
#include "ui/lang/zh/zh_language.h"
#include "ui/lang/zh/zh_layout.h"

namespace vorlan::ui {

BuildData ThisBuild() {
  return {ChineseLanguage(), ChineseLayout()};
}

}  // namespace vorlan::ui
