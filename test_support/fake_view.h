#pragma once
// A window that holds its values as plain values, counts how often they are shown whole, and
// collects the messages.

#include <QStringList>

#include "params/presets.h"
#include "qt_print.h"
#include "ui/language_data.h"
#include "ui/window_view.h"

namespace vorlan::test {

class FakeView : public ui::WindowView {
 public:
  ParameterSet params;
  SendFields send;
  int shown = 0;                   // showParameters() calls
  QStringList messages;            // every message shown
  QStringList statuses;            // every status line text, in order
  QList<ui::StatusTone> tones;     // the tone of each
  QString port = "COM2";           // the entry the port box shows
  QStringList* journal = nullptr;  // gets "Show" and "Message" as they happen: a link's log shows
                                   // where they came

  // A window showing the start values.
  explicit FakeView(const LanguageData& lang)
      : params(InitialParameters(lang.values)), send(InitialSendFields()) {}

  ParameterSet parameters() const override { return params; }
  SendFields sendFields() const override { return send; }
  void showParameters(const ParameterSet& p) override {
    params = p;
    ++shown;
    if (journal) *journal << "Show";
  }
  void showSendFields(const SendFields& s) override { send = s; }
  void showStatus(const QString& text, const QString&, ui::StatusTone tone) override {
    statuses << text;
    tones << tone;
  }
  QString shownPort() const override { return port; }
  void showMessage(const QString& text) override {
    messages << text;
    if (journal) *journal << "Message";
  }
  void showCheck(const ui::CheckReport& report) override { check = report; }
  void openCheckList() override {}
  bool ask(const QString& text, const QString&, const QString&) override {
    messages << text;
    return answer;
  }

  ui::CheckReport check;  // what the last check showed
  bool answer = false;    // what ask() answers
};

}  // namespace vorlan::test
