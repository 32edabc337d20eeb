#pragma once
// The user at the window: every value of a set typed, ticked or picked, as the controls report it.

#include "params/field_table.h"
#include "ui/window_presenter.h"
#include "ui/work_modes.h"

namespace vorlan::test {

inline void TypeAll(ui::WindowPresenter& presenter, const ParameterSet& params,
                    const LanguageData& lang) {
  for (const auto& f : ParameterTable()) {
    switch (f.kind) {
      case FieldKind::Text:
        presenter.typeText(f.key, params.text(f.key));
        break;
      case FieldKind::Flag:
        presenter.tick(f.key, params.flag(f.key));
        break;
      case FieldKind::WorkMode:
        // A code outside the list cannot be picked.
        if (const auto text = WorkModeText(params.workMode(), lang)) {
          presenter.chooseWorkMode(*text);
        }
        break;
    }
  }
}

}  // namespace vorlan::test
