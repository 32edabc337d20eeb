#pragma once
// What the actions need of the window: its values read whole, values shown whole, a message box.
// The window implements it; tests fake it.

#include <QString>

#include "params/parameter_set.h"

namespace vorlan::ui {

// How the status line says a text: a warning stands out (a colour and an icon).
enum class StatusTone { Normal, Warning };

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
  virtual void showStatus(const QString& text, const QString& detail, StatusTone tone) = 0;
  // The entry the port box shows ("COM2" at start), open or not.
  virtual QString shownPort() const = 0;
};

}  // namespace vorlan::ui
