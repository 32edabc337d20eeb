#include "ui/status_line.h"

#include <algorithm>

#include "link/com_ports.h"
#include "params/presets.h"
#include "ui/messages.h"

namespace vorlan::ui {

StatusLine::StatusLine(WindowView& view, const DeviceSession& session, const LanguageData& lang)
    : view_(view), session_(session), lang_(lang) {}

QString StatusLine::portName() const {
  return PortText(session_.port());
}

void StatusLine::stopWaiting() {
  expected_ = 0;
  late_ = false;
}

void StatusLine::showPort() {
  stopWaiting();
  if (!session_.isOpen()) {
    const QString shown = view_.shownPort();
    view_.showStatus(Text(lang_.statusNoPort).arg(shown), Text(lang_.statusNoPortDetail).arg(shown),
                     StatusTone::Normal);
    return;
  }
  const QString path = session_.devicePath();
  view_.showStatus(NamePortOnce(Text(lang_.statusOpen).arg(portName(), path), portName(), path), {},
                   StatusTone::Normal);
}

void StatusLine::awaiting(int replyLength) {
  stopWaiting();
  expected_ = replyLength;
  progress(0);
}

void StatusLine::progress(int received) {
  if (late_ || expected_ == 0) return;  // the notice stays until the answer comes
  view_.showStatus(
      Text(lang_.statusWaiting).arg(portName()).arg(std::min(received, expected_)).arg(expected_),
      {}, StatusTone::Normal);
}

void StatusLine::late() {
  late_ = true;
  const QString path = session_.devicePath();
  view_.showStatus(Text(lang_.statusNoAnswer).arg(portName()),
                   NamePortOnce(Text(lang_.statusNoAnswerDetail)
                                    .arg(portName(), path)
                                    .arg(session_.timeoutMs() / 1000.0, 0, 'f', 1),
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
