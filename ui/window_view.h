#pragma once
// What the actions need of the window: its values read whole, values shown whole, a message box.
// The window implements it; tests fake it.

#include <QString>
#include <vector>

#include "check/finding.h"
#include "params/parameter_set.h"

namespace vorlan::ui {

// How the status line says a text: a warning stands out (a colour and an icon).
enum class StatusTone { Normal, Warning };

// What the check found, worded for the window.
struct CheckReport {
  struct Mark {
    Field field;
    Severity severity;  // a warning when the field has any
    QString text;       // its findings, one a line: the field's tooltip
  };
  struct Row {
    Field field;
    QString label, severity, text;
  };
  std::vector<Mark> marks;  // the fields to mark; every other field is unmarked
  QString summary;          // "2 warnings: Callsign, Path"; empty without warnings
  QString headline;         // the summary, or that there are no warnings or no findings
  std::vector<Row> rows;    // every finding
};

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

  // Marks the fields, puts the summary beside the status line and renews the findings' list if it
  // is open.
  virtual void showCheck(const CheckReport& report) = 0;
  // Opens the list of findings, or brings it to the front.
  virtual void openCheckList() = 0;
  // A modal box with the two buttons; true when the user takes `yes`.
  virtual bool ask(const QString& text, const QString& yes, const QString& no) = 0;
};

}  // namespace vorlan::ui
