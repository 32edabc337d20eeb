#include "ui/status_line.h"

#include "link/com_ports.h"
#include "params/presets.h"
#include "ui/messages.h"

namespace vorlan::ui {
namespace {

constexpr int kPollMs = 100;

}  // namespace

StatusLine::StatusLine(WindowView& view, const SerialLink& link, const LanguageData& lang)
    : view_(view), link_(link), lang_(lang) {
  poll_.setInterval(kPollMs);
  connect(&poll_, &QTimer::timeout, this, &StatusLine::showProgress);
  noAnswer_.setSingleShot(true);
  connect(&noAnswer_, &QTimer::timeout, this, &StatusLine::showNoAnswer);
}

QString StatusLine::portName() const {
  return PortText(link_.commPort());
}

void StatusLine::stopWaiting() {
  poll_.stop();
  noAnswer_.stop();
  expected_ = 0;
  late_ = false;
}

void StatusLine::showPort() {
  stopWaiting();
  if (!link_.portOpen()) {
    const QString shown = view_.shownPort();
    view_.showStatus(Text(lang_.statusNoPort).arg(shown), Text(lang_.statusNoPortDetail).arg(shown),
                     StatusTone::Normal);
    return;
  }
  const QString path = link_.devicePath();
  view_.showStatus(NamePortOnce(Text(lang_.statusOpen).arg(portName(), path), portName(), path), {},
                   StatusTone::Normal);
}

void StatusLine::awaiting(int replyLength) {
  stopWaiting();
  expected_ = replyLength;
  poll_.start();
  noAnswer_.start(noAnswerDelayMs_);
  showProgress();
}

void StatusLine::showProgress() {
  if (late_) return;  // the notice stays until the answer comes
  const int waiting = std::min(link_.inBufferCount(), expected_);
  view_.showStatus(Text(lang_.statusWaiting).arg(portName()).arg(waiting).arg(expected_), {},
                   StatusTone::Normal);
}

void StatusLine::showNoAnswer() {
  late_ = true;
  const QString path = link_.devicePath();
  view_.showStatus(Text(lang_.statusNoAnswer).arg(portName()),
                   NamePortOnce(Text(lang_.statusNoAnswerDetail)
                                    .arg(portName(), path)
                                    .arg(noAnswerDelayMs_ / 1000.0, 0, 'f', 1),
                                portName(), path),
                   StatusTone::Warning);
}

void StatusLine::outcome(const QString& message) {
  stopWaiting();
  view_.showStatus(Text(lang_.statusOutcome).arg(portName(), message), message, StatusTone::Normal);
}

void StatusLine::messageSent() {
  if (expected_ > 0) return;  // still waiting for the earlier request's answer
  view_.showStatus(Text(lang_.statusMessageSent).arg(portName()), {}, StatusTone::Normal);
}

void StatusLine::factoryReset() {
  if (expected_ > 0) return;  // the wait for the earlier request's answer goes on showing
  view_.showStatus(Text(lang_.statusFactoryReset), Text(lang_.statusFactoryResetDetail),
                   StatusTone::Normal);
}

}  // namespace vorlan::ui
