#include "ui/window_actions.h"

#include <algorithm>
#include <variant>

#include "check/configuration_check.h"
#include "link/com_ports.h"
#include "link/reply.h"
#include "link/requests.h"
#include "link/value_forms.h"
#include "link/write_frame.h"
#include "params/field_table.h"
#include "params/presets.h"
#include "ui/messages.h"

namespace vorlan::ui {

void WindowActions::send(const Request& request) {
  if (auto failure = SendRequest(link_, request)) {
    reportFailure(*failure);
  } else if (request.replyLength > 0) {
    status_.awaiting(request.replyLength);
  } else {
    status_.messageSent();
  }
}

void WindowActions::sendOrRefuse(const OrRefusal<Request>& request) {
  if (auto* refusal = std::get_if<Refusal>(&request)) {
    view_.showMessage(RefusalText(*refusal, lang_));
    return;
  }
  send(std::get<Request>(request));
}

std::vector<Field> WindowActions::fieldsTheUserGave(const ParameterSet& params) const {
  std::vector<Field> given;
  for (const auto& f : ParameterTable()) {
    if (!knowsDevice(f.key) || !params.sameValue(f.key, deviceShown_)) given.push_back(f.key);
  }
  return given;
}

bool WindowActions::knowsDevice(Field field) const {
  return std::find(deviceFields_.begin(), deviceFields_.end(), field) != deviceFields_.end();
}

void WindowActions::write() {
  if (const auto unlisted = view_.unlistedWorkMode()) {
    view_.showMessage(UnlistedWorkModeText(*unlisted, lang_));
    return;
  }
  const ParameterSet shown = view_.parameters();
  const std::vector<Field> typed = fieldsTheUserGave(shown);
  const ParameterSet params = withDeviceValues(shown);
  if (auto refusal = CheckForms(params, typed)) {
    view_.showMessage(RefusalText(*refusal, lang_));
    return;
  }
  const auto request = WriteRequest(params);
  if (std::holds_alternative<Request>(request)) {
    // A typed frequency outside the radio's bands is written, after a word of warning.
    for (const Finding& finding : CheckConfiguration(params)) {
      if (finding.id != FindingId::FrequencyRange) continue;
      if (std::find(typed.begin(), typed.end(), finding.field) == typed.end()) continue;
      view_.showMessage(FrequencyWarningText(finding.field, params.text(finding.field), lang_));
    }
  }
  sendOrRefuse(request);
}

void WindowActions::read() {
  send(ReadRequest());
}

void WindowActions::factoryReset() {
  view_.showParameters(InitialParameters(lang_.servers));
  view_.showSendFields(FactorySendFields());
  deviceFields_.clear();  // the window holds the tool's values now, not a device's
  status_.factoryReset();
}

void WindowActions::about() {
  send(AboutRequest());
}

void WindowActions::sendMessage() {
  sendOrRefuse(MessageRequest(view_.sendFields()));
}

void WindowActions::sendInstruction() {
  sendOrRefuse(InstructionRequest(view_.sendFields(), view_.parameters().text(Field::Callsign)));
}

// The picked entry's port is opened; a port open on another number is closed first, and the open
// port picked again stays open. A text that is no entry selects nothing.
std::optional<LinkFailure> WindowActions::openPicked(const QString& text) {
  const auto n = PortNumber(text);
  if (!n) return std::nullopt;
  if (link_.portOpen()) {
    if (link_.commPort() == *n) return std::nullopt;
    if (!link_.setPortOpen(false)) return link_.lastFailure();
  }
  if (!link_.setCommPort(*n) || !link_.setPortOpen(true)) return link_.lastFailure();
  return std::nullopt;
}

void WindowActions::selectPort(const QString& text) {
  const auto failure = openPicked(text);
  status_.showPort();
  if (failure) view_.showMessage(FailureText(*failure, lang_));
}

void WindowActions::exit() {
  link_.setPortOpen(false);  // nothing happens to a port never opened
}

void WindowActions::receive() {
  const auto reply = TakeReply(link_);
  if (!reply) return;
  ParameterSet params = view_.parameters();
  QString backupProblem;
  if (reply->outcome == Reply::Outcome::ReadBack) {
    ApplyReadBack(reply->readBack, params);
    view_.showParameters(params);
    takeShownAsDeviceValues(params);
    if (backUpReadBack) {
      backupProblem = backUpReadBack(ReadBackParameters(reply->readBack));
    }
  }
  const QString message =
      ReplyText(*reply, params.text(Field::Callsign), view_.sendFields().HisCallsign, lang_);
  status_.outcome(message);
  view_.showMessage(message);
  if (!backupProblem.isEmpty()) view_.showMessage(backupProblem);
}

void WindowActions::takeShownAsDeviceValues(const ParameterSet& deviceSent,
                                            const std::vector<Field>& fields) {
  const ParameterSet shown = view_.parameters();
  for (Field f : fields) {
    deviceShown_.copyValue(f, shown);
    deviceSent_.copyValue(f, deviceSent);
    if (!knowsDevice(f)) deviceFields_.push_back(f);
  }
}

ParameterSet WindowActions::parameters() const {
  return withDeviceValues(view_.parameters());
}

ParameterSet WindowActions::withDeviceValues(ParameterSet params) const {
  // A control shows what its list or its width can hold: a work mode or enable code outside the
  // lists shows as some entry or tick. While the user leaves a control alone, the device's own
  // value is what goes back.
  for (Field f : deviceFields_) {
    if (params.sameValue(f, deviceShown_)) params.copyValue(f, deviceSent_);
  }
  return params;
}

void WindowActions::closePort() {
  link_.setPortOpen(false);
  status_.showPort();
}

void WindowActions::reportFailure(const LinkFailure& failure) {
  status_.showPort();
  LinkFailure said = failure;
  // No port is open: the entry the box shows is the one the user takes for open.
  if (said.kind == LinkFailure::Kind::NotOpen) said.port = view_.shownPort();
  view_.showMessage(FailureText(said, lang_));
}

}  // namespace vorlan::ui
