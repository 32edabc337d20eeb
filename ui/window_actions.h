#pragma once
// What each button of the window does: read the window once, let the core build the request or
// read the reply, perform the serial steps, and apply the outcome to the window once, with the
// build's texts.

#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "config/field_compare.h"
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
  // The window now shows a device's own values in `fields` (all of them after a read; those a file
  // proves the device's): they are sent as they are until the user changes them, codes the window
  // cannot show included. The other fields keep what the window knew of the device before.
  void takeShownAsDeviceValues(const ParameterSet& deviceSent,
                               const std::vector<Field>& fields = AllParameters());
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
  // The fields whose values are the user's: those whose device value the window does not know,
  // and those changed since it was shown.
  std::vector<Field> fieldsTheUserGave(const ParameterSet& params) const;
  bool knowsDevice(Field field) const;
  // The window's values with the device's own in the fields the user left alone.
  ParameterSet withDeviceValues(ParameterSet shown) const;

  WindowView& view_;
  SerialLink& link_;
  const LanguageData& lang_;
  StatusLine status_;
  // The fields whose device value the window knows.
  std::vector<Field> deviceFields_;
  // What the window showed in those fields when it took the device's values: a field that still
  // holds its value then is the device's, not the user's, and is not judged by its form.
  ParameterSet deviceShown_;
  // The device's values themselves, with the codes the window cannot show.
  ParameterSet deviceSent_;
};

}  // namespace vorlan::ui
