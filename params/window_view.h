#pragma once
// What the logic needs of the window: read and set a field by its name, and show a message box.
// The window implements it; tests fake it.

#include <QString>
#include <string_view>

namespace vorlan {

class WindowView {
 public:
  virtual ~WindowView() = default;

  // Text fields, send fields and "WorkMode" (the work-mode box's text).
  virtual QString text(std::string_view field) const = 0;
  virtual void setText(std::string_view field, const QString& value) = 0;

  // Check boxes: true only when checked.
  virtual bool flag(std::string_view field) const = 0;
  virtual void setFlag(std::string_view field, bool on) = 0;

  // A modal box with one OK button, no icon and the title kMessageTitle; returns when closed.
  virtual void showMessage(const QString& text) = 0;
};

}  // namespace vorlan
