#pragma once
// Which label names which box. The same in both builds; the builder makes each label its box's
// buddy and gives the box the label's caption as its accessible name.

#include <span>
#include <string_view>

namespace vorlan::ui {

struct LabelBuddy {
  std::string_view label;
  std::string_view box;
};

std::span<const LabelBuddy> LabelBuddies();

}  // namespace vorlan::ui
