#include "link/finder/port_probe.h"

#include <QEventLoop>
#include <QMetaObject>
#include <QSet>
#include <algorithm>

#include "link/discovery/port_holders.h"
#include "link/discovery/port_names.h"
#include "link/protocol.h"
#include "link/requests.h"
#include "link/session/device_session.h"
#include "link/transport/system_serial_link.h"

namespace vorlan {
namespace {

constexpr char kAboutLead[] = "$6";

}  // namespace

QList<MappedPort> PortsToAsk(const QList<MappedPort>& mapping) {
  QList<MappedPort> ports;
  QSet<QString> devices;
  // Pins first, so that a device the user named is asked under the user's number.
  for (const bool pinned : {true, false}) {
    for (const MappedPort& port : mapping) {
      if (port.pinned != pinned || !(port.pinned || port.onUsb())) continue;
      const QString key = DeviceKey(port.path);
      if (devices.contains(key)) continue;
      devices.insert(key);
      ports << port;
    }
  }
  std::sort(ports.begin(), ports.end(),
            [](const MappedPort& a, const MappedPort& b) { return a.number < b.number; });
  return ports;
}

ProbeResult::Outcome ClassifyAnswer(const QByteArray& received, QByteArray* aboutText) {
  const qsizetype lead = received.indexOf(kAboutLead);
  if (lead >= 0) {
    if (aboutText) *aboutText = received.mid(lead + 2, kDeviceTextLength);
    return received.size() - lead >= kAboutReplyLength ? ProbeResult::Outcome::Answered
                                                       : ProbeResult::Outcome::Short;
  }
  return received.isEmpty() ? ProbeResult::Outcome::Silent : ProbeResult::Outcome::Other;
}

QList<ProbeResult> Answering(const QList<ProbeResult>& results) {
  QList<ProbeResult> answering;
  for (const ProbeResult& result : results) {
    if (result.outcome == ProbeResult::Outcome::Answered) answering << result;
  }
  return answering;
}

PortProbe::PortProbe(int waitMs) : waitMs_(waitMs) {
  wait_.setSingleShot(true);
  connect(&wait_, &QTimer::timeout, this, &PortProbe::finishPort);
}

PortProbe::~PortProbe() {
  closeLink();
}

void PortProbe::start(const QList<MappedPort>& ports) {
  cancel();
  ports_ = ports;
  results_.clear();
  running_ = true;
  askNext();
}

void PortProbe::cancel() {
  wait_.stop();
  closeLink();
  running_ = false;
  finishing_ = false;
}

void PortProbe::closeLink() {
  if (session_) {
    session_->onSent = nullptr;
    session_->onArrived = nullptr;
    session_->onOutcome = nullptr;
    session_->onLost = nullptr;
    session_->close();
  }
  session_.reset();
  link_.reset();
}

void PortProbe::askNext() {
  while (running_ && results_.size() < ports_.size()) {
    current_ = ProbeResult{ports_[results_.size()]};
    if (onAsking) onAsking(current_.port);
    if (!running_) return;  // cancelled from onAsking

    bool allSeen = true;
    current_.holders = ProgramsHolding(current_.port.path, QStringLiteral("/proc"), &allSeen);
    current_.othersUnseen = !allSeen;
    if (!current_.holders.isEmpty()) {
      current_.outcome = ProbeResult::Outcome::Held;
      results_ << current_;
      continue;
    }
    link_ = std::make_unique<SystemSerialLink>();
    session_ = std::make_unique<DeviceSession>(*link_, DeviceSession::Options{waitMs_});
    if (auto failure = session_->open(current_.port.number, current_.port.path)) {
      current_.outcome = ProbeResult::Outcome::NotOpened;
      current_.failure = failure;
      closeLink();
      results_ << current_;
      continue;
    }
    session_->onSent = [this](const QByteArray&) {
      current_.received.clear();  // what came before the request is none of its answer
      wait_.start(waitMs_);
    };
    session_->onArrived = [this](const QByteArray& bytes) { arrived(bytes); };
    session_->onOutcome = [this](const SessionOutcome& outcome) { answered(outcome); };
    session_->onLost = [this](const LinkFailure&) { queueFinish(); };
    session_->start(AboutRequest());
    return;
  }
  if (!running_) return;
  running_ = false;
  if (onFinished) onFinished(results_);
}

void PortProbe::arrived(const QByteArray& bytes) {
  current_.received += bytes;
  if (ClassifyAnswer(current_.received) == ProbeResult::Outcome::Answered) {
    queueFinish();  // the whole answer is there: no need to wait longer
  }
}

void PortProbe::answered(const SessionOutcome& outcome) {
  using Kind = SessionOutcome::Kind;
  if (outcome.kind == Kind::Replied && !outcome.expected()) return;  // other bytes came first
  if (outcome.kind == Kind::PortFailed && outcome.failure &&
      outcome.failure->kind != LinkFailure::Kind::HungUp) {
    // The request could not be sent: as a port that does not open.
    wait_.stop();
    current_.outcome = ProbeResult::Outcome::NotOpened;
    current_.failure = outcome.failure;
    current_.received.clear();
  }
  queueFinish();
}

void PortProbe::queueFinish() {
  // The link is closed from the event loop, never inside one of its own calls.
  wait_.stop();
  if (finishing_) return;
  finishing_ = true;
  QMetaObject::invokeMethod(this, &PortProbe::finishPort, Qt::QueuedConnection);
}

void PortProbe::finishPort() {
  finishing_ = false;
  if (!running_ || !link_) return;
  wait_.stop();
  closeLink();
  if (current_.outcome != ProbeResult::Outcome::NotOpened) {
    current_.outcome = ClassifyAnswer(current_.received, &current_.aboutText);
  }
  results_ << current_;
  askNext();
}

QList<ProbeResult> ProbePorts(const QList<MappedPort>& ports, int waitMs,
                              const std::function<void(const MappedPort&)>& asking) {
  QList<ProbeResult> results;
  PortProbe probe(waitMs);
  QEventLoop loop;
  probe.onAsking = asking;
  probe.onFinished = [&](const QList<ProbeResult>& done) {
    results = done;
    loop.quit();
  };
  probe.start(ports);
  if (probe.running()) loop.exec();
  return results;
}

}  // namespace vorlan
