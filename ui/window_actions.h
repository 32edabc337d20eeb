#pragma once
// What each button of the window does: read the window once, let the core build the request or
// read the reply, perform the serial steps, and apply the outcome to the window once, with the
// build's texts.

#include <QString>
#include <functional>
#include <optional>
#include <vector>

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
  // The window now shows a device's own values (read, or from a file that holds a read-back):
  // they are sent as they are until the user changes them, codes the window cannot show included.
  void takeShownAsDeviceValues(const ParameterSet& deviceSent);
  // The window's values, with the device's own work-mode and enable codes in the fields the user
  // left alone: what Write sends and Save as keeps.
  ParameterSet parameters() const;

  StatusLine& status() { return status_; }

  // Keeps a backup of each complete read-back, given its values as the device sent them; returns
  // the message for a failure (shown once, after the read message), or an empty text.
  std::function<QString(const ParameterSet& readBack)> backUpReadBack;

 private:
  std::optional<LinkFailure> openPicked(const QString& text);
  void send(const Request& request);
  void sendOrRefuse(const OrRefusal<Request>& request);
  // The fields whose values are the user's: all of them until a device's values were shown, then
  // those changed since.
  std::vector<Field> fieldsTheUserGave(const ParameterSet& params) const;
  // The window's values with the device's own in the fields the user left alone.
  ParameterSet withDeviceValues(ParameterSet shown) const;

  WindowView& view_;
  SerialLink& link_;
  const LanguageData& lang_;
  StatusLine status_;
  // What the window showed when it last took a device's values: a field that still holds its
  // value then is the device's, not the user's, and is not judged by its form.
  std::optional<ParameterSet> deviceValues_;
  // The device's values themselves, with the codes the window cannot show.
  ParameterSet deviceSent_;
};

}  // namespace vorlan::ui
