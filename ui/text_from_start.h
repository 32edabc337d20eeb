#pragma once
// An editable drop-down box whose text is longer than the box scrolls to its end when the text is
// set ("频道12轮流收发" would show as "道12轮流收发"). These keep its start in view.

class QComboBox;

namespace vorlan::ui {

// Puts the start of the box's text in view; call after the program sets the text.
void ShowTextFromStart(QComboBox& box);

// Shows the start of every list entry the user picks.
void ShowPicksFromStart(QComboBox& box);

}  // namespace vorlan::ui
