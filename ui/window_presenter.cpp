#include "ui/window_presenter.h"

#include <QDateTime>
#include <algorithm>
#include <variant>

#include "check/configuration_check.h"
#include "config/backups.h"
#include "config/field_compare.h"
#include "link/com_ports.h"
#include "link/reply.h"
#include "link/requests.h"
#include "link/value_forms.h"
#include "link/write_frame.h"
#include "params/field_table.h"
#include "params/presets.h"
#include "ui/config_messages.h"
#include "ui/messages.h"
#include "ui/saved_by.h"
#include "ui/work_modes.h"

namespace vorlan::ui {

WindowPresenter::WindowPresenter(WindowView& view, SerialLink& link, const LanguageData& lang,
                                 std::optional<QString> backupFolder)
    : view_(view),
      link_(link),
      lang_(lang),
      backupFolder_(std::move(backupFolder)),
      status_(view, link, lang),
      values_(InitialParameters(lang.servers)) {
  userSet_.set();  // the tool's own values: the device's are not known yet
}

void WindowPresenter::send(const Request& request) {
  if (auto failure = SendRequest(link_, request)) {
    reportFailure(*failure);
  } else if (request.replyLength > 0) {
    status_.awaiting(request.replyLength);
  } else {
    status_.messageSent();
  }
}

void WindowPresenter::receive() {
  if (const auto reply = TakeReply(link_)) takeReply(*reply);
}

void WindowPresenter::takeReply(const Reply& reply) {
  QString backupProblem;
  if (reply.outcome == Reply::Outcome::ReadBack) {
    ApplyReadBack(reply.readBack, values_);
    userSet_.reset();
    unlistedWorkMode_.reset();
    view_.showParameters(values_);
    backupProblem = backUpRead();
  }
  const QString message =
      ReplyText(reply, values_.text(Field::Callsign), view_.sendFields().HisCallsign, lang_);
  status_.outcome(message);
  view_.showMessage(message);
  if (!backupProblem.isEmpty()) view_.showMessage(backupProblem);
}

QString WindowPresenter::backUpRead() const {
  if (!backupFolder_) return {};
  const ReadOrigin read{PortText(link_.commPort()), link_.devicePath(),
                        QDateTime::currentDateTimeUtc()};
  const BackupOutcome outcome =
      SaveBackup(values_, SavedByThisProgram(read), BackupKind::Read, *backupFolder_);
  return outcome.problem ? BackupProblemText(*outcome.problem, lang_) : QString();
}

void WindowPresenter::sendOrRefuse(const OrRefusal<Request>& request) {
  if (auto* refusal = std::get_if<Refusal>(&request)) {
    view_.showMessage(RefusalText(*refusal, lang_));
    return;
  }
  send(std::get<Request>(request));
}

std::vector<Field> WindowPresenter::userSetFields() const {
  std::vector<Field> fields;
  for (Field f : AllParameters()) {
    if (userSet(f)) fields.push_back(f);
  }
  return fields;
}

void WindowPresenter::write() {
  if (unlistedWorkMode_) {
    view_.showMessage(UnlistedWorkModeText(*unlistedWorkMode_, lang_));
    return;
  }
  // The device's own values go back as they came; only the user's are judged by their forms.
  const std::vector<Field> typed = userSetFields();
  if (auto refusal = CheckForms(values_, typed)) {
    view_.showMessage(RefusalText(*refusal, lang_));
    return;
  }
  const auto request = WriteRequest(values_);
  if (std::holds_alternative<Request>(request)) {
    // A typed frequency outside the radio's bands is written, after a word of warning.
    for (const Finding& finding : CheckConfiguration(values_)) {
      if (finding.id != FindingId::FrequencyRange || !userSet(finding.field)) continue;
      view_.showMessage(FrequencyWarningText(finding.field, values_.text(finding.field), lang_));
    }
  }
  sendOrRefuse(request);
}

void WindowPresenter::read() {
  send(ReadRequest());
}

void WindowPresenter::factoryReset() {
  values_ = InitialParameters(lang_.servers);
  userSet_.set();  // the tool's values now, not a device's
  unlistedWorkMode_.reset();
  view_.showParameters(values_);
  view_.showSendFields(FactorySendFields());
  status_.factoryReset();
}

void WindowPresenter::about() {
  send(AboutRequest());
}

void WindowPresenter::sendMessage() {
  sendOrRefuse(MessageRequest(view_.sendFields()));
}

void WindowPresenter::sendInstruction() {
  sendOrRefuse(InstructionRequest(view_.sendFields(), values_.text(Field::Callsign)));
}

void WindowPresenter::typeText(Field field, const QString& text) {
  values_.setText(field, text);
  markUserSet(field);
}

void WindowPresenter::chooseWorkMode(const QString& shown) {
  const auto code = WorkModeCode(shown, lang_);
  values_.setWorkMode(code.value_or(kNoWorkModeCode));
  unlistedWorkMode_ = code ? std::nullopt : std::optional(shown);
  markUserSet(Field::WorkMode);
}

void WindowPresenter::tick(Field field, bool on) {
  values_.setFlag(field, on);
  markUserSet(field);
}

void WindowPresenter::takeOpened(const OpenedConfiguration& opened) {
  values_ = opened.params;
  for (Field f : opened.userFields()) markUserSet(f);
  for (Field f : opened.deviceFields) userSet_.reset(Slot(f));
  const auto setsWorkMode = [&] {
    return std::find(opened.fieldsSet.begin(), opened.fieldsSet.end(), Field::WorkMode) !=
           opened.fieldsSet.end();
  };
  if (setsWorkMode()) unlistedWorkMode_.reset();
  view_.showParameters(values_);
}

// The picked entry's port is opened; a port open on another number is closed first, and the open
// port picked again stays open. A text that is no entry selects nothing.
std::optional<LinkFailure> WindowPresenter::openPicked(const QString& text) {
  const auto n = PortNumber(text);
  if (!n) return std::nullopt;
  if (link_.portOpen()) {
    if (link_.commPort() == *n) return std::nullopt;
    if (!link_.setPortOpen(false)) return link_.lastFailure();
  }
  if (!link_.setCommPort(*n) || !link_.setPortOpen(true)) return link_.lastFailure();
  return std::nullopt;
}

void WindowPresenter::selectPort(const QString& text) {
  const auto failure = openPicked(text);
  status_.showPort();
  if (failure) view_.showMessage(FailureText(*failure, lang_));
}

void WindowPresenter::exit() {
  link_.setPortOpen(false);  // nothing happens to a port never opened
}

void WindowPresenter::closePort() {
  link_.setPortOpen(false);
  status_.showPort();
}

void WindowPresenter::reportFailure(const LinkFailure& failure) {
  status_.showPort();
  LinkFailure said = failure;
  // No port is open: the entry the box shows is the one the user takes for open.
  if (said.kind == LinkFailure::Kind::NotOpen) said.port = view_.shownPort();
  view_.showMessage(FailureText(said, lang_));
}

}  // namespace vorlan::ui
