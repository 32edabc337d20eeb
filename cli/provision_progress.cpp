#include "cli/provision_progress.h"

#include <algorithm>

#include "cli/progress_bar.h"
#include "cli/provision_texts.h"
#include "cli/stream_write.h"

namespace vorlan::cli {
namespace {

constexpr int kRedrawMs = 50;

bool Busy(JobState state) {
  return state == JobState::Reading || state == JobState::Writing || state == JobState::Checking;
}

QString StepLine(const JobReport& report, int timeoutMs) {
  QString line = QStringLiteral("Row %1 %2: %3")
                     .arg(report.row)
                     .arg(PortOfRowText(report), JobStateText(report.state));
  const QString reason = report.finished() ? ReasonText(report, timeoutMs) : QString();
  if (!reason.isEmpty()) line += QStringLiteral(": ") + reason;
  return line;
}

}  // namespace

ProvisionProgress::ProvisionProgress(const Context& context, int timeoutMs)
    : context_(context),
      timeoutMs_(timeoutMs),
      terminal_(IsTerminal(stderr) && TerminalColumns() > 0) {}

QString ProvisionProgress::lineOf(const JobReport& report, int columns) const {
  const QString line = StepLine(report, timeoutMs_);
  if (Busy(report.state) && report.expected > 0) {
    const QString bar = FitProgressLine(line, report.received, report.expected, columns);
    if (!bar.isEmpty()) return bar;
  }
  return line.left(std::max(columns - 1, 0));  // a line that wraps would not be rewritten
}

void ProvisionProgress::show(const JobReport& report) {
  const auto shown = std::find_if(rows_.begin(), rows_.end(),
                                  [&](const JobReport& row) { return row.row == report.row; });
  // Only bytes more of a step not yet whole: eight ports' arrivals need not each be drawn.
  const bool bytesOnly =
      shown != rows_.end() && shown->state == report.state && report.received < report.expected;
  if (shown == rows_.end()) {
    if (report.port.name.isEmpty()) return;  // not yet on a port: nothing to show
    rows_ << report;
  } else {
    *shown = report;
  }
  if (terminal_) {
    if (bytesOnly && lastDraw_.isValid() && lastDraw_.elapsed() < kRedrawMs) return;
    redraw({});
    return;
  }
  // A line for each step the row takes; its bytes, and waiting for its port, are none.
  const QString line = StepLine(report, timeoutMs_);
  if (report.state == JobState::Waiting || said_.value(report.row) == line) return;
  said_.insert(report.row, line);
  context_.warn(line);
}

void ProvisionProgress::say(const QString& text) {
  if (terminal_) {
    redraw({text});
  } else {
    context_.warn(text);
  }
}

void ProvisionProgress::redraw(const QStringList& above) {
  const int columns = TerminalColumns();
  QStringList lines = above;
  for (const JobReport& row : rows_) lines << lineOf(row, columns);
  if (lines.isEmpty()) return;
  // Up to the first row's line, and everything from there down cleared.
  const QString back = drawn_ > 0 ? QStringLiteral("\033[%1A\r\033[J").arg(drawn_) : QString();
  context_.warn(back + lines.join(u'\n'));
  drawn_ = static_cast<int>(rows_.size());
  lastDraw_.start();
}

}  // namespace vorlan::cli
