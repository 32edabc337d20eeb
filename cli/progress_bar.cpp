#include "cli/progress_bar.h"

#include <QtGlobal>
#include <algorithm>
#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#define isatty _isatty
#define STDERR_FILENO 2
#else
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace vorlan::cli {
namespace {

constexpr int kWidestBar = 30;
constexpr int kNarrowestBar = 10;
constexpr int kShortestLabel = 12;  // "Readi...ort0": less says nothing
const QString kEllipsis = QStringLiteral("...");

QString ElideMiddle(const QString& text, int width) {
  if (text.size() <= width) return text;
  const int kept = width - static_cast<int>(kEllipsis.size());
  const int head = (kept + 1) / 2;
  return text.left(head) + kEllipsis + text.right(kept - head);
}

}  // namespace

QString FitProgressLine(const QString& label, int done, int total, int columns) {
  if (columns <= 0 || total <= 0) return {};
  const int room = columns - 1;
  done = std::clamp(done, 0, total);
  const QString count = QStringLiteral("%1/%2 bytes").arg(done).arg(total);
  const int frame = 2 + 2 + 2 + static_cast<int>(count.size());  // "  [" "]  " around the bar

  const int labelRoom = room - frame - kNarrowestBar;
  if (labelRoom >= std::min(static_cast<int>(label.size()), kShortestLabel)) {
    const QString shown = ElideMiddle(label, labelRoom);
    const int width = std::min(kWidestBar, room - frame - static_cast<int>(shown.size()));
    const int filled = done * width / total;
    return QStringLiteral("%1  [%2%3]  %4")
        .arg(shown, QString(filled, '#'), QString(width - filled, '.'), count);
  }
  if (room >= count.size()) return count;
  return {};
}

int TerminalColumns() {
#ifdef Q_OS_WIN
  CONSOLE_SCREEN_BUFFER_INFO info;
  if (!GetConsoleScreenBufferInfo(GetStdHandle(STD_ERROR_HANDLE), &info)) return 0;
  return info.srWindow.Right - info.srWindow.Left + 1;
#else
  winsize size{};
  if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) != 0) return 0;
  return size.ws_col;
#endif
}

ProgressBar::ProgressBar() : terminal_(isatty(STDERR_FILENO) != 0) {}

void ProgressBar::start(const QString& label, int total) {
  label_ = label;
  total_ = total;
}

void ProgressBar::show(int done) {
  if (!terminal_) return;
  const QString line = FitProgressLine(label_, done, total_, TerminalColumns());
  if (line.isEmpty()) return;
  // Back to the line's start and clear it: a shorter line leaves nothing of the one before.
  std::fputs(("\r\033[K" + line).toUtf8().constData(), stderr);
  std::fflush(stderr);
  drawn_ = true;
}

void ProgressBar::clear() {
  if (!drawn_) return;
  std::fputs("\r\033[K", stderr);
  std::fflush(stderr);
  drawn_ = false;
}

}  // namespace vorlan::cli
