#pragma once

#include "ui/window_layout.h"

namespace vorlan::ui {

const WindowLayout& ChineseLayout();

}  // namespace vorlan::ui
