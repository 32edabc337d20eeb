#pragma once
// A WindowView over plain maps that logs every change in order and collects the messages.

#include <QString>
#include <QStringList>
#include <map>
#include <string>

#include "params/field_table.h"
#include "params/presets.h"
#include "params/window_view.h"
#include "qt_print.h"

namespace vorlan::test {

class FakeView : public WindowView {
 public:
  std::map<std::string, QString> texts;
  std::map<std::string, bool> flags;
  QStringList changes;             // "Callsign=NOCALL-9", "Digipeater=0", in the order made
  QStringList messages;            // every message shown
  QStringList* journal = nullptr;  // gets "Message" at each one: a link's log shows where it came

  FakeView() = default;
  // A view showing the window's start values.
  explicit FakeView(const LanguageData& lang) {
    load(InitialParameters(lang), InitialSendFields());
  }

  void load(const ParameterSet& params, const SendFields& send) {
    for (const auto& f : FieldTable()) {
      const std::string name(f.name);
      if (f.role == FieldRole::SendField) {
        texts[name] = *send.text(f.name);
      } else if (f.kind == FieldKind::Flag) {
        flags[name] = *params.flag(f.name);
      } else {
        texts[name] = *params.text(f.name);
      }
    }
  }

  QString text(std::string_view field) const override {
    auto it = texts.find(std::string(field));
    return it == texts.end() ? QString() : it->second;
  }
  void setText(std::string_view field, const QString& value) override {
    texts[std::string(field)] = value;
    changes << QString::fromUtf8(field.data(), field.size()) + "=" + value;
  }
  bool flag(std::string_view field) const override {
    auto it = flags.find(std::string(field));
    return it != flags.end() && it->second;
  }
  void setFlag(std::string_view field, bool on) override {
    flags[std::string(field)] = on;
    changes << QString::fromUtf8(field.data(), field.size()) + (on ? "=1" : "=0");
  }
  void showMessage(const QString& text) override {
    messages << text;
    if (journal) *journal << "Message";
  }
};

}  // namespace vorlan::test
