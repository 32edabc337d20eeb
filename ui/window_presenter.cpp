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

WindowPresenter::WindowPresenter(WindowView& view, DeviceLink& link, const LanguageData& lang,
                                 std::optional<QString> backupFolder)
    : view_(view),
      lang_(lang),
      backupFolder_(std::move(backupFolder)),
      session_(link, {kLateAfterMs, true}),
      status_(view, session_, lang),
      values_(InitialParameters(lang.servers)) {
  userSet_.set();  // the tool's own values: the device's are not known yet
  session_.onOutcome = [this](const SessionOutcome& outcome) { takeOutcome(outcome); };
  session_.onProgress = [this](int received, int) { status_.progress(received); };
  session_.onLate = [this](const SessionOutcome&) { status_.late(); };
  session_.onLost = [this](const LinkFailure& failure) { reportFailure(failure); };
}

void WindowPresenter::send(const Request& request) {
  if (request.replyLength > 0) status_.awaiting(request.replyLength);
  session_.start(request);
}

void WindowPresenter::takeOutcome(const SessionOutcome& outcome) {
  using Kind = SessionOutcome::Kind;
  switch (outcome.kind) {
    case Kind::Replied:
      return takeReply(outcome.reply);
    case Kind::Sent:
      return status_.messageSent();
    case Kind::OtherKind:
      return tell(
          Text(lang_.replyOfAnotherKind)
              .arg(PortText(session_.port()), QString::fromLatin1(outcome.received.left(2))));
    case Kind::Garbled:
      return takeReply({Reply::Outcome::NoLead});  // what came is no reply, as one without "$"
    case Kind::NoAnswer:
      return status_.late();  // the session awaits a late answer: this does not come
    case Kind::PortFailed:
      if (outcome.failure) reportFailure(*outcome.failure);
      return;
    case Kind::Stopped:
      return;
  }
}

void WindowPresenter::tell(const QString& message) {
  status_.outcome(message);
  view_.showMessage(message);
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
  tell(ReplyText(reply, values_.text(Field::Callsign), view_.sendFields().HisCallsign, lang_));
  if (!backupProblem.isEmpty()) view_.showMessage(backupProblem);
}

QString WindowPresenter::backUpRead() const {
  if (!backupFolder_) return {};
  const ReadOrigin read{PortText(session_.port()), session_.devicePath(),
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
void WindowPresenter::selectPort(const QString& text) {
  const auto n = PortNumber(text);
  const auto failure = n ? session_.open(*n) : std::nullopt;
  status_.showPort();
  if (failure) view_.showMessage(FailureText(*failure, lang_));
}

void WindowPresenter::exit() {
  session_.close();  // nothing happens to a port never opened
}

void WindowPresenter::closePort() {
  session_.close();
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
