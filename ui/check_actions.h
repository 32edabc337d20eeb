#pragma once
// The configuration check in the window: it runs on the window's values, marks the fields
// it finds something in, counts the warnings on the status line and lists every finding on
// request. It changes no value and blocks nothing: Write sends what it sends without it. The
// APRS-IS passcode of the callsign is computed on request and put into "Login password" when the
// user agrees.

#include "check/finding.h"
#include "ui/language_data.h"
#include "ui/window_presenter.h"
#include "ui/window_view.h"

namespace vorlan::ui {

class CheckActions {
 public:
  CheckActions(WindowView& view, WindowPresenter& presenter, const LanguageData& lang)
      : view_(view), presenter_(presenter), lang_(lang) {}

  // Checks the window's values and shows what it found.
  void recheck();
  // "Check configuration": checks and opens the list.
  void showList();
  // "APRS-IS passcode...".
  void offerPasscode();

  const Findings& findings() const { return findings_; }

 private:
  CheckReport report() const;

  WindowView& view_;
  WindowPresenter& presenter_;
  const LanguageData& lang_;
  Findings findings_;
};

}  // namespace vorlan::ui
