#include "cli/progress_bar.h"

#include <QtGlobal>
#include <algorithm>
#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#define isatty _isatty
#define STDERR_FILENO 2
#else
#include <unistd.h>
#endif

namespace vorlan::cli {
namespace {

constexpr int kWidth = 30;

}  // namespace

ProgressBar::ProgressBar() : terminal_(isatty(STDERR_FILENO) != 0) {}

void ProgressBar::start(const QString& label, int total) {
  label_ = label;
  total_ = total;
}

void ProgressBar::show(int done) {
  if (!terminal_ || total_ <= 0) return;
  done = std::min(done, total_);
  const int filled = done * kWidth / total_;
  const QString bar = QString(filled, '#') + QString(kWidth - filled, '.');
  const QString line =
      QStringLiteral("\r%1  [%2]  %3/%4 bytes").arg(label_, bar).arg(done).arg(total_);
  std::fputs(line.toUtf8().constData(), stderr);  // as every other line
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
