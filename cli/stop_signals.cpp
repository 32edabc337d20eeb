#include "cli/stop_signals.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <atomic>
#include <cstdio>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>
#include <QSocketNotifier>
#include <array>
#include <cerrno>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace vorlan::cli {
namespace {

// The first stop signal that came, as the exit code it gives; 0 while none came. Set from the
// signal handler (Windows: the console's handler thread), read on the main thread.
std::atomic<int> g_stopCode{0};
// Where the main thread is told; only ever touched on the main thread.
std::function<void()> g_onStop;

void Note(ExitCode code) {
  int none = 0;
  g_stopCode.compare_exchange_strong(none, static_cast<int>(code));
}

void TellMainThread() {
  if (g_onStop) g_onStop();
}

QString SignalName(int code) {
  switch (static_cast<ExitCode>(code)) {
#ifdef Q_OS_WIN
    case ExitCode::Interrupted:
      return QStringLiteral("Ctrl+C");
    case ExitCode::HungUp:
      return QStringLiteral("closing the console");
#else
    case ExitCode::Interrupted:
      return QStringLiteral("SIGINT");
    case ExitCode::HungUp:
      return QStringLiteral("SIGHUP");
#endif
    default:
      return QStringLiteral("SIGTERM");
  }
}

#ifdef Q_OS_UNIX
constexpr std::array<int, 3> kSignals = {SIGINT, SIGTERM, SIGHUP};
int g_wakePipe[2] = {-1, -1};

ExitCode CodeOf(int signal) {
  return signal == SIGINT   ? ExitCode::Interrupted
         : signal == SIGHUP ? ExitCode::HungUp
                            : ExitCode::Terminated;
}

int SignalOf(int code) {
  return code == static_cast<int>(ExitCode::Interrupted) ? SIGINT
         : code == static_cast<int>(ExitCode::HungUp)    ? SIGHUP
                                                         : SIGTERM;
}

// Only what is safe in a signal handler: an atomic store and a write to the pipe.
extern "C" void OnSignal(int signal) {
  const int saved = errno;
  Note(CodeOf(signal));
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(g_wakePipe[1], &byte, 1);
  errno = saved;
}
#endif

#ifdef Q_OS_WIN
BOOL WINAPI OnConsoleEvent(DWORD event) {
  const bool key = event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT;
  Note(key ? ExitCode::Interrupted : ExitCode::HungUp);
  QMetaObject::invokeMethod(
      QCoreApplication::instance(), [] { TellMainThread(); }, Qt::QueuedConnection);
  // For a closing console the system ends the program once this returns: the main thread gets
  // the time to close the port and return from main, which ends this thread with it.
  if (!key) ::Sleep(5000);
  return TRUE;
}
#endif

}  // namespace

struct StopSignals::Watch {
#ifdef Q_OS_UNIX
  std::array<struct sigaction, kSignals.size()> previous{};
  std::array<bool, kSignals.size()> caught{};
  std::unique_ptr<QSocketNotifier> wake;
#endif
};

StopSignals::StopSignals() : watch_(std::make_unique<Watch>()) {
  g_stopCode = 0;
#ifdef Q_OS_UNIX
  if (::pipe(g_wakePipe) != 0) return;  // the default stays: the program ends at once
  for (const int end : g_wakePipe) {
    ::fcntl(end, F_SETFD, FD_CLOEXEC);
    ::fcntl(end, F_SETFL, O_NONBLOCK);  // a full pipe never blocks the handler
  }
  watch_->wake = std::make_unique<QSocketNotifier>(g_wakePipe[0], QSocketNotifier::Read);
  QObject::connect(watch_->wake.get(), &QSocketNotifier::activated, [] {
    char bytes[16];
    while (::read(g_wakePipe[0], bytes, sizeof bytes) > 0) {
    }
    TellMainThread();
  });
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (std::size_t i = 0; i < kSignals.size(); ++i) {
    ::sigaction(kSignals[i], nullptr, &watch_->previous[i]);
    if (watch_->previous[i].sa_handler == SIG_IGN) continue;  // as nohup left it
    watch_->caught[i] = ::sigaction(kSignals[i], &action, nullptr) == 0;
  }
#endif
#ifdef Q_OS_WIN
  ::SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
#endif
}

StopSignals::~StopSignals() {
  g_onStop = nullptr;
#ifdef Q_OS_UNIX
  for (std::size_t i = 0; i < kSignals.size(); ++i) {
    if (watch_->caught[i]) ::sigaction(kSignals[i], &watch_->previous[i], nullptr);
  }
  watch_->wake.reset();
  for (int& end : g_wakePipe) {
    if (end >= 0) ::close(end);
    end = -1;
  }
#endif
#ifdef Q_OS_WIN
  ::SetConsoleCtrlHandler(OnConsoleEvent, FALSE);
#endif
  const int code = g_stopCode;
  if (code == 0 || reported_) return;
  std::fputs(QStringLiteral("Interrupted by %1; the port is closed.\n")
                 .arg(SignalName(code))
                 .toUtf8()
                 .constData(),
             stderr);
  std::fflush(stderr);
#ifdef Q_OS_UNIX
  ::raise(SignalOf(code));  // the disposition from before: the default ends the program
#endif
#ifdef Q_OS_WIN
  ::ExitProcess(static_cast<UINT>(code));
#endif
}

bool StopSignals::stopped() const {
  return g_stopCode != 0;
}

Failure StopSignals::failure(const QString& where) {
  reported_ = true;
  const int code = g_stopCode;
  return {static_cast<ExitCode>(code),
          QStringLiteral("Interrupted by %1: nothing more was sent to %2, and the port is closed.")
              .arg(SignalName(code), where)};
}

QString StopSignals::signalName() const {
  return SignalName(g_stopCode);
}

void StopSignals::onStop(std::function<void()> callback) {
  g_onStop = std::move(callback);
}

}  // namespace vorlan::cli
