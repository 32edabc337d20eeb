#include "link/session/device_session.h"

#include <QEventLoop>
#include <QMetaObject>
#include <algorithm>
#include <utility>

namespace vorlan {
namespace {

// How often a frame on its way is looked at: its bytes leave at about one a millisecond.
constexpr int kDrainPollMs = 2;

// At the time-out, what came is read for what it is: a whole reply of a kind the request does not
// expect, bytes that are no reply, or (nothing, the start of a reply) no answer.
SessionOutcome::Kind JudgeAtTimeout(const Request& request, const QByteArray& received,
                                    Reply* reply) {
  using Kind = SessionOutcome::Kind;
  if (received.isEmpty()) return Kind::NoAnswer;
  BufferSource source(received);
  *reply = ParseReply(source);
  switch (reply->outcome) {
    case Reply::Outcome::NoLead:
      return Kind::Garbled;
    case Reply::Outcome::ShortReadBack:
      return Kind::NoAnswer;
    case Reply::Outcome::DeviceText:
      if (reply->deviceText.isEmpty()) return Kind::NoAnswer;
      break;
    case Reply::Outcome::UnknownKind:
      if (received.size() < 2) return Kind::NoAnswer;  // the lead alone
      break;
    default:
      break;
  }
  return Answers(request, *reply) ? Kind::NoAnswer : Kind::OtherKind;
}

}  // namespace

DeviceSession::DeviceSession(DeviceLink& link, Options options) : link_(link), options_(options) {
  sendTimer_.setSingleShot(true);
  sendTimer_.setTimerType(Qt::PreciseTimer);  // a quiet is never cut short
  connect(&sendTimer_, &QTimer::timeout, this, &DeviceSession::sendNext);
  drainTimer_.setInterval(kDrainPollMs);
  connect(&drainTimer_, &QTimer::timeout, this, &DeviceSession::watchDrain);
  timeout_.setSingleShot(true);
  timeout_.setTimerType(Qt::PreciseTimer);  // never before the time-out the user gave
  connect(&timeout_, &QTimer::timeout, this, &DeviceSession::timedOut);

  link_.onArrived = [this](const QByteArray& bytes) {
    received_ += bytes;
    if (onArrived) onArrived(bytes);
  };
  link_.onReceived = [this](int waiting) {
    if (awaited_ && onProgress) onProgress(waiting, awaited_->replyLength);
  };
  link_.onComm = [this] { replyArrived(); };
  link_.onFailure = [this](const LinkFailure& failure) { linkFailed(failure); };
}

DeviceSession::~DeviceSession() {
  close();
  link_.onArrived = nullptr;
  link_.onReceived = nullptr;
  link_.onComm = nullptr;
  link_.onFailure = nullptr;
}

std::optional<LinkFailure> DeviceSession::open(int number, const QString& devicePath) {
  if (link_.portOpen() && link_.commPort() == number &&
      (devicePath.isEmpty() || devicePath == link_.devicePath())) {
    return std::nullopt;
  }
  if (!close()) return link_.lastFailure();  // the port that stays open keeps its number
  const bool opened =
      link_.setCommPort(number) &&
      (devicePath.isEmpty() ? link_.setPortOpen(true) : link_.openDevice(devicePath));
  if (!opened) return link_.lastFailure();
  quietUntil_ = QDeadlineTimer(kQuietAfterFrameMs, Qt::PreciseTimer);
  return std::nullopt;
}

bool DeviceSession::close() {
  sendTimer_.stop();
  drainTimer_.stop();
  timeout_.stop();
  queue_.clear();
  awaited_.reset();
  draining_.reset();
  late_ = false;
  if (!link_.portOpen()) return true;
  link_.drain(options_.timeoutMs);
  return link_.setPortOpen(false);  // which disarms the threshold too
}

void DeviceSession::start(const Request& request) {
  if (request.replyLength > 0) {
    // The newer request takes the place of one still awaited or held back.
    timeout_.stop();
    awaited_.reset();
    late_ = false;
    queue_.removeIf([](const Request& queued) { return queued.replyLength > 0; });
  }
  queue_ << request;
  // No quiet holds it back: its serial steps are done within this call, as a button's handler
  // does them; only its outcome waits for the event loop.
  if (queue_.size() == 1 && !draining_ && quietUntil_.hasExpired()) {
    starting_ = true;
    sendNext();
    starting_ = false;
    return;
  }
  scheduleSend();
}

void DeviceSession::stop() {
  sendTimer_.stop();
  const QList<Request> held = std::exchange(queue_, {});
  if (awaited_) finish(SessionOutcome::Kind::Stopped);
  if (draining_ && !drainStopped_) {
    drainStopped_ = true;  // it keeps draining: half a frame would wait for the next one
    tell(outcomeFor(*draining_, SessionOutcome::Kind::Stopped));
  }
  for (const Request& request : held) tell(outcomeFor(request, SessionOutcome::Kind::Stopped));
}

bool DeviceSession::busy() const {
  return awaited_ || draining_ || !queue_.isEmpty();
}

void DeviceSession::scheduleSend() {
  if (queue_.isEmpty() || draining_) return;
  // Always from the event loop, so that no outcome comes from inside start().
  sendTimer_.start(static_cast<int>(std::max<qint64>(0, quietUntil_.remainingTime())));
}

void DeviceSession::sendNext() {
  if (queue_.isEmpty() || draining_) return;
  if (!quietUntil_.hasExpired()) return scheduleSend();
  const Request request = queue_.takeFirst();
  if (onSent) onSent(request.bytes);
  if (request.replyLength > 0) {
    received_.clear();
    awaited_ = request;
    late_ = false;
  }
  if (auto failure = SendRequest(link_, request)) {
    if (request.replyLength > 0) return finish(SessionOutcome::Kind::PortFailed, {}, failure);
    SessionOutcome outcome = outcomeFor(request, SessionOutcome::Kind::PortFailed);
    outcome.failure = failure;
    tell(outcome);
    return scheduleSend();
  }
  if (request.replyLength > 0) timeout_.start(options_.timeoutMs);
  if (!request.endMarked) {
    // The device ends this frame only by the quiet after its last byte: nothing follows until
    // it is wholly on the line.
    draining_ = request;
    drainStopped_ = false;
    drainDeadline_ = QDeadlineTimer(options_.timeoutMs);
    drainTimer_.start();
    return;
  }
  if (request.replyLength == 0) tell(outcomeFor(request, SessionOutcome::Kind::Sent));
  scheduleSend();
}

void DeviceSession::watchDrain() {
  if (!draining_) return drainTimer_.stop();
  const bool drained = link_.drain(0);
  std::optional<LinkFailure> failure;
  if (!drained) {
    const LinkFailure last = link_.lastFailure();
    if (last.kind == LinkFailure::Kind::NotDrained && !drainDeadline_.hasExpired()) return;
    failure = last;
  }
  drainTimer_.stop();
  const Request frame = *std::exchange(draining_, std::nullopt);
  quietUntil_ = QDeadlineTimer(kQuietAfterFrameMs, Qt::PreciseTimer);
  if (failure && awaited_ && *awaited_ == frame) {
    finish(SessionOutcome::Kind::PortFailed, {}, failure);
  } else if (frame.replyLength == 0 && !drainStopped_) {
    SessionOutcome outcome =
        outcomeFor(frame, failure ? SessionOutcome::Kind::PortFailed : SessionOutcome::Kind::Sent);
    outcome.failure = failure;
    tell(outcome);
  }
  scheduleSend();
}

void DeviceSession::replyArrived() {
  if (!awaited_) {
    link_.setRThreshold(0);  // a reply nobody awaits any longer
    return;
  }
  if (auto reply = TakeReply(link_)) finish(SessionOutcome::Kind::Replied, *reply);
}

void DeviceSession::timedOut() {
  if (!awaited_) return;
  Reply reply{Reply::Outcome::UnknownKind};
  const SessionOutcome::Kind kind = JudgeAtTimeout(*awaited_, received_, &reply);
  if (kind == SessionOutcome::Kind::NoAnswer && options_.awaitLateReply) {
    late_ = true;
    if (onLate) onLate(outcomeFor(*awaited_, kind));
    return;
  }
  if (kind == SessionOutcome::Kind::OtherKind) return finish(kind, reply);
  finish(kind);
}

void DeviceSession::linkFailed(const LinkFailure& failure) {
  if (awaited_) return finish(SessionOutcome::Kind::PortFailed, {}, failure);
  if (onLost) onLost(failure);
}

void DeviceSession::finish(SessionOutcome::Kind kind, std::optional<Reply> reply,
                           std::optional<LinkFailure> failure) {
  SessionOutcome outcome = outcomeFor(*awaited_, kind);
  if (reply) outcome.reply = *reply;
  outcome.failure = std::move(failure);
  timeout_.stop();
  awaited_.reset();
  late_ = false;
  // TakeReply has disarmed the threshold of a reply read; after a failed step nothing more is done.
  if (link_.portOpen() && kind != SessionOutcome::Kind::Replied &&
      kind != SessionOutcome::Kind::PortFailed) {
    link_.setRThreshold(0);
  }
  tell(outcome);
}

void DeviceSession::tell(const SessionOutcome& outcome) {
  if (starting_) {  // never from inside start()
    QMetaObject::invokeMethod(
        this, [this, outcome] { tell(outcome); }, Qt::QueuedConnection);
    return;
  }
  if (onOutcome) onOutcome(outcome);
}

SessionOutcome DeviceSession::outcomeFor(const Request& request, SessionOutcome::Kind kind) const {
  return {kind, request, {}, received_};
}

SessionOutcome WaitForOutcome(DeviceSession& session, const Request& request) {
  std::optional<SessionOutcome> outcome;
  QEventLoop loop;
  auto told = std::exchange(session.onOutcome, [&](const SessionOutcome& done) {
    if (outcome || !(done.request == request)) return;
    outcome = done;
    loop.quit();
  });
  session.start(request);
  if (!outcome) loop.exec();
  session.onOutcome = std::move(told);
  return *outcome;
}

}  // namespace vorlan
