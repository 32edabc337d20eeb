#pragma once
// The window of one language build as data: every control with its kind, group, caption and place,
// the fonts that differ from the window's own, and the tab order. One generic builder
// (window_builder) turns a table into widgets, so both builds share every line of code.

#include <span>
#include <string_view>

namespace vorlan::ui {

enum class ControlKind {
  Group,     // framed group with a caption; holds controls
  Label,     // static text, wraps within its width
  Entry,     // single-line text box; its limit comes from the field table
  Check,     // two-state check box, caption on the right
  DropDown,  // editable drop-down box
  Button,    // push button
};

// Place and size in twips (1/1440 inch), relative to the parent group or the client area.
struct Twips {
  int left, top, width, height;
};

struct ControlSpec {
  std::string_view name;  // objectName, e.g. "Text1"
  ControlKind kind;
  std::string_view parent;   // enclosing group, empty for the window's own controls
  std::string_view caption;  // UTF-8; empty for entry and drop-down boxes
  Twips place;
};

struct FontSpec {
  std::string_view face;  // as the design names it; fonts.cpp maps it to an installed face
  double points;
  bool bold = false;
};

struct FontRule {
  std::string_view control;
  FontSpec font;
};

struct WindowLayout {
  std::string_view caption;
  int clientWidth, clientHeight;  // twips
  FontSpec defaultFont;
  // Groups come before the controls they hold; later rows are drawn above earlier ones.
  std::span<const ControlSpec> controls;
  std::span<const FontRule> fonts;  // controls whose face or size differ from defaultFont
  std::span<const std::string_view> tabOrder;
  // The label that says what the window is doing: which port is open, what it waits for, what the
  // last exchange brought.
  std::string_view statusLine;
};

}  // namespace vorlan::ui
