#pragma once
// What the presenter needs of the window: values shown, the send fields, messages, the status line.
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

  // The send fields as their boxes hold them now.
  virtual SendFields sendFields() const = 0;
  // Puts every value into its control, in ShowOrder(); a work mode outside the list leaves its box
  // alone, and a kept enable code shows as the flag beneath it.
  virtual void showParameters(const ParameterSet& params) = 0;
  // Puts one field's value into its control.
  virtual void showField(Field field, const ParameterSet& params) = 0;
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
