#pragma once
// What the actions need of the window: its values read whole, values shown whole, a message box.
// The window implements it; tests fake it.

#include <QString>

#include "params/parameter_set.h"

namespace vorlan::ui {

class WindowView {
 public:
  virtual ~WindowView() = default;

  // The 44 parameters and the send fields as the controls hold them now.
  virtual ParameterSet parameters() const = 0;
  virtual SendFields sendFields() const = 0;
  // Puts every value into its control, in ShowOrder().
  virtual void showParameters(const ParameterSet& params) = 0;
  virtual void showSendFields(const SendFields& send) = 0;

  // A modal box with one OK button, no icon and the title kMessageTitle; returns when closed.
  virtual void showMessage(const QString& text) = 0;
  // The status line: a short text, and the whole story where the line cannot hold it.
  virtual void showStatus(const QString& text, const QString& detail) = 0;
};

}  // namespace vorlan::ui
