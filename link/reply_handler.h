#pragma once
// The receive-event handler: reads the device's reply piece by piece, fills the window for a
// read-back and reports the outcome in a message box.

#include "link/serial_link.h"
#include "params/language_data.h"
#include "params/window_view.h"

namespace vorlan {

// Bound to the link's receive event. Acts only on CommEvent 2 (characters received); always disarms
// the threshold before it shows a message.
void OnComm(SerialLink& link, WindowView& view, const LanguageData& lang);

}  // namespace vorlan
