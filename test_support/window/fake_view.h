#pragma once
// A window that holds what it is shown as plain values, counts how often they are shown whole, and
// collects the messages.

#include <QStringList>

#include "params/field_table.h"
#include "params/presets.h"
#include "qt_print.h"
#include "ui/language_data.h"
#include "ui/window_view.h"

namespace vorlan::test {

class FakeView : public ui::WindowView {
 public:
  ParameterSet params;  // what the controls show
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
      : params(InitialParameters(lang.servers)), send(InitialSendFields()) {}

  SendFields sendFields() const override { return send; }
  // As the window's controls: a work mode outside the list leaves the box alone, and a tick box
  // holds on or off, never a code.
  void showParameters(const ParameterSet& p) override {
    const char workMode = IsListedWorkMode(p.workMode()) ? p.workMode() : params.workMode();
    params = p;
    params.setWorkMode(workMode);
    for (const auto& f : ParameterTable()) {
      if (f.kind == FieldKind::Flag) params.setFlag(f.key, p.flag(f.key));
    }
    ++shown;
    if (journal) *journal << "Show";
  }
  void showField(Field f, const ParameterSet& p) override {
    switch (Def(f).kind) {
      case FieldKind::Text:
        params.setText(f, p.text(f));
        break;
      case FieldKind::Flag:
        params.setFlag(f, p.flag(f));
        break;
      case FieldKind::WorkMode:
        if (IsListedWorkMode(p.workMode())) params.setWorkMode(p.workMode());
        break;
    }
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
