#pragma once
// The window's model and what each of its buttons does. It holds one configuration: every value as
// the device sent it (the codes the window cannot show included) until the user sets the field,
// and for each field whether the user set it since the last read or open. The widgets show it and
// report each edit to it; a read replaces it whole. It starts each request on its device session
// and applies the outcome once, with the build's texts.

#include <QString>
#include <bitset>
#include <optional>

#include "config/config_reader.h"
#include "link/device_link.h"
#include "link/refusal.h"
#include "link/reply.h"
#include "link/session/device_session.h"
#include "ui/language_data.h"
#include "ui/status_line.h"
#include "ui/window_view.h"

namespace vorlan::ui {

// The work mode while the box holds a text typed by hand that matches no list entry: none of the
// list's codes, so it shows as leaving the box alone. Nothing that sends or saves takes it.
inline constexpr char kNoWorkModeCode = '?';

class WindowPresenter {
 public:
  // Each complete read-back is backed up into `backupFolder`; none without one.
  // The status line's notice comes when an answer is this late; the answer is still awaited.
  static constexpr int kLateAfterMs = 5000;

  WindowPresenter(WindowView& view, DeviceLink& link, const LanguageData& lang,
                  std::optional<QString> backupFolder = std::nullopt);

  void write();                          // Command6: the write frame, arms 5
  void read();                           // Command7: "$2#", arms 412
  void factoryReset();                   // Command8: the factory values; sends nothing
  void about();                          // Command1: "$3#", arms 102
  void sendMessage();                    // Command2: the message frame; clears and arms nothing
  void sendInstruction();                // Command3: the instruction frame, arms 5
  void selectPort(const QString& text);  // Combo1: an entry of the port box was picked
  void exit();                           // Command4: closes the port
  void closePort();                      // the port finder needs the ports free

  // A failure the port met on its own (device unplugged), or a serial step's.
  void reportFailure(const LinkFailure& failure);

  // The user's edits, as the controls report them; each replaces the device's value of the field.
  void typeText(Field field, const QString& text);
  // A pick from the work-mode list (the entry shown included) or a text typed into its box.
  void chooseWorkMode(const QString& shown);
  void tick(Field field, bool on);
  // A configuration file was opened over values(): its fields proven the device's are the
  // device's, the others it sets the user's; the window shows it.
  void takeOpened(const OpenedConfiguration& opened);

  // Every value, as Write sends it and Save as keeps it.
  const ParameterSet& values() const { return values_; }
  // Whether the user set the field since the last read or open; every field before any read.
  bool userSet(Field field) const { return userSet_[Slot(field)]; }
  // The work-mode text typed by hand that matches no list entry, while the box holds one.
  const std::optional<QString>& unlistedWorkMode() const { return unlistedWorkMode_; }

  StatusLine& status() { return status_; }
  DeviceSession& session() { return session_; }

 private:
  static std::size_t Slot(Field field) { return static_cast<std::size_t>(Index(field)); }
  void markUserSet(Field field) { userSet_.set(Slot(field)); }
  std::vector<Field> userSetFields() const;

  // The two serial steps: a request started, and its outcome taken.
  void send(const Request& request);
  void takeOutcome(const SessionOutcome& outcome);
  void takeReply(const Reply& reply);
  void tell(const QString& message);  // the outcome's message: in the status line and a box

  void sendOrRefuse(const OrRefusal<Request>& request);
  // Saves the backup of the read; the message for a failure, or an empty text.
  QString backUpRead() const;

  WindowView& view_;
  const LanguageData& lang_;
  std::optional<QString> backupFolder_;
  DeviceSession session_;
  StatusLine status_;
  ParameterSet values_;
  std::bitset<kParameterCount> userSet_;
  std::optional<QString> unlistedWorkMode_;
};

}  // namespace vorlan::ui
