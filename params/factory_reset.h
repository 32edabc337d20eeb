#pragma once

#include "params/language_data.h"
#include "params/window_view.h"

namespace vorlan {

// Puts the factory values into the window: the entry boxes in ascending control number, then the
// check boxes Check1 to Check18, then the work-mode box. Sends nothing, shows nothing.
void FactoryReset(WindowView& view, const LanguageData& lang);

}  // namespace vorlan
