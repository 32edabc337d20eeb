#pragma once
// What each button of the window does: read the window once, let the core build the request or
// read the reply, perform the serial steps, and apply the outcome to the window once, with the
// build's texts.

#include <QString>
#include <functional>

#include "link/refusal.h"
#include "link/serial_link.h"
#include "ui/language_data.h"
#include "ui/status_line.h"
#include "ui/window_view.h"

namespace vorlan::ui {

class WindowActions {
 public:
  WindowActions(WindowView& view, SerialLink& link, const LanguageData& lang)
      : view_(view), link_(link), lang_(lang), status_(view, link, lang) {}

  void write();            // Command6: the write frame, arms 5
  void read();             // Command7: "$2#", arms 412
  void factoryReset();     // Command8: the factory values into the window; sends nothing
  void about();            // Command1: "$3#", arms 102
  void sendMessage();      // Command2: the message frame; clears and arms nothing
  void sendInstruction();  // Command3: the instruction frame, arms 5
  void selectPort(const QString& text);  // Combo1: an entry of the port box was picked
  void exit();                           // Command4: closes the port
  void closePort();                      // the port finder needs the ports free
  void receive();                        // the link's receive event

  // A failure the link met on its own (device unplugged).
  void reportFailure(const LinkFailure& failure);

  StatusLine& status() { return status_; }

  // Keeps a backup of each complete read-back once the window shows it; returns the message for a
  // failure (shown once, after the read message), or an empty text.
  std::function<QString(const ParameterSet& shown)> backUpReadBack;

 private:
  void send(const Request& request);
  void sendOrRefuse(const OrRefusal<Request>& request);

  WindowView& view_;
  SerialLink& link_;
  const LanguageData& lang_;
  StatusLine status_;
};

}  // namespace vorlan::ui
