#include "ui/label_buddies.h"

#include <array>

namespace vorlan::ui {
namespace {

// Unit labels ("MHz", "second", ...) and the notes at the bottom name no box.
constexpr std::array kBuddies = {
    LabelBuddy{"Label1", "Text1"},   LabelBuddy{"Label2", "Text2"},
    LabelBuddy{"Label3", "Text3"},   LabelBuddy{"Label4", "Text4"},
    LabelBuddy{"Label8", "Text5"},   LabelBuddy{"Label15", "Text6"},
    LabelBuddy{"Label7", "Text7"},   LabelBuddy{"Label9", "Text8"},
    LabelBuddy{"Label5", "Text9"},   LabelBuddy{"Label13", "Text10"},
    LabelBuddy{"Label11", "Text11"}, LabelBuddy{"Label17", "Text12"},
    LabelBuddy{"Label16", "Text13"}, LabelBuddy{"Label28", "Text15"},
    LabelBuddy{"Label19", "Text16"}, LabelBuddy{"Label18", "Text17"},
    LabelBuddy{"Label25", "Text18"}, LabelBuddy{"Label20", "Text19"},
    LabelBuddy{"Label21", "Text20"}, LabelBuddy{"Label23", "Text21"},
    LabelBuddy{"Label27", "Text22"}, LabelBuddy{"Label29", "Text23"},
    LabelBuddy{"Label30", "Text24"}, LabelBuddy{"Label39", "Text25"},
    LabelBuddy{"Label46", "Text26"}, LabelBuddy{"Label31", "Text27"},
    LabelBuddy{"Label33", "Text29"}, LabelBuddy{"Label38", "Text30"},
    LabelBuddy{"Label35", "Text34"}, LabelBuddy{"Label32", "Combo9"},
};

}  // namespace

std::span<const LabelBuddy> LabelBuddies() {
  return kBuddies;
}

}  // namespace vorlan::ui
