#include "link/transport/win_serial_link.h"

#include <windows.h>

#include <QDeadlineTimer>
#include <QTimer>
#include <QWinEventNotifier>
#include <QtGlobal>

#include "link/transport/win_link_failures.h"

namespace vorlan {
namespace {

// A read completes once the line has been quiet this long after a byte (a byte takes about 1 ms
// at 9600 baud); for its first byte it waits as long as it takes.
constexpr DWORD kReadGapMs = 10;
// A read also completes when it has this many bytes, so that a long reply shows its progress.
constexpr int kReadChunk = 64;
// After a read that brought nothing, the next one starts this much later.
constexpr int kEmptyReadPauseMs = 20;

QString FileNameOf(const QString& path) {
  return path.startsWith(QLatin1String("\\\\")) ? path : QStringLiteral("\\\\.\\") + path;
}

bool Configure(HANDLE port) {
  // Only advice to the driver, which may keep its own sizes: the link keeps its own limits.
  SetupComm(port, ThresholdLink::kInBufferSize, ThresholdLink::kOutBufferSize);
  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  if (!GetCommState(port, &dcb)) return false;
  dcb.BaudRate = ThresholdLink::kBaudRate;
  dcb.ByteSize = 8;
  dcb.Parity = NOPARITY;
  dcb.StopBits = ONESTOPBIT;
  dcb.fBinary = TRUE;
  dcb.fParity = FALSE;
  dcb.fOutxCtsFlow = FALSE;
  dcb.fOutxDsrFlow = FALSE;
  dcb.fDtrControl = DTR_CONTROL_ENABLE;
  dcb.fDsrSensitivity = FALSE;
  dcb.fOutX = FALSE;
  dcb.fInX = FALSE;
  dcb.fErrorChar = FALSE;
  dcb.fNull = FALSE;
  dcb.fRtsControl = RTS_CONTROL_ENABLE;
  dcb.fAbortOnError = FALSE;
  if (!SetCommState(port, &dcb)) return false;
  COMMTIMEOUTS timeouts{};
  timeouts.ReadIntervalTimeout = kReadGapMs;  // no total time-out
  return SetCommTimeouts(port, &timeouts) != 0;
}

// How long sending n bytes takes at 9600 baud (10 bits a byte), with room for a slow driver.
int SendingTimeMs(qsizetype bytes) {
  return static_cast<int>(bytes * 10 * 1000 / ThresholdLink::kBaudRate) + 500;
}

// One overlapped transfer; its buffer stays put while the system works on it. The event is
// signalled while a finished transfer waits to be collected, and only then.
struct Transfer {
  OVERLAPPED overlapped{};
  QByteArray buffer;
  bool pending = false;
  DWORD startError = 0;  // failed as it started: collected from the event loop like a result
  QWinEventNotifier notifier;

  Transfer() : notifier(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    overlapped.hEvent = notifier.handle();
  }
  ~Transfer() {
    notifier.setEnabled(false);
    CloseHandle(overlapped.hEvent);
  }

  // Starts the transfer; it is pending afterwards either way, its failure then collected.
  void started(BOOL ok) {
    pending = true;
    startError = 0;
    if (!ok && GetLastError() != ERROR_IO_PENDING) {
      startError = GetLastError();
      SetEvent(overlapped.hEvent);
    }
  }

  // The result of the finished transfer: the bytes moved, or nullopt with the error. With `wait`
  // it waits for the end (at once after a cancel); without it, a transfer still under way gives
  // ERROR_IO_INCOMPLETE and stays pending.
  std::optional<DWORD> collect(HANDLE port, bool wait, DWORD* error) {
    *error = startError;
    DWORD moved = 0;
    const bool ok = startError == 0 && GetOverlappedResult(port, &overlapped, &moved, wait);
    if (!ok && startError == 0) *error = GetLastError();
    if (!ok && *error == ERROR_IO_INCOMPLETE) return std::nullopt;
    pending = false;
    startError = 0;
    ResetEvent(overlapped.hEvent);
    if (!ok) return std::nullopt;
    return moved;
  }

  // Ends a pending transfer at once; what it had moved is dropped.
  void cancel(HANDLE port) {
    if (!pending) return;
    if (startError == 0) CancelIoEx(port, &overlapped);
    DWORD error = 0;
    collect(port, true, &error);
  }
};

}  // namespace

struct WinSerialLink::Io {
  HANDLE port = INVALID_HANDLE_VALUE;
  Transfer read;
  Transfer write;
};

WinSerialLink::WinSerialLink(QObject* parent) : ThresholdLink(parent), io_(std::make_unique<Io>()) {
  connect(&io_->read.notifier, &QWinEventNotifier::activated, this, &WinSerialLink::readDone);
  connect(&io_->write.notifier, &QWinEventNotifier::activated, this, &WinSerialLink::writeDone);
}

WinSerialLink::~WinSerialLink() {
  forgetCallbacks();
  closePort();
}

bool WinSerialLink::portOpen() const {
  return io_->port != INVALID_HANDLE_VALUE;
}

bool WinSerialLink::openSystemPort(const QString& path) {
  if (path.isEmpty()) return fail(LinkFailure::Kind::Unmapped);

  const QString file = FileNameOf(path);
  HANDLE port =
      CreateFileW(reinterpret_cast<const wchar_t*>(file.utf16()), GENERIC_READ | GENERIC_WRITE, 0,
                  nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
  if (port == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    return fail(OpenFailureKind(error), SystemErrorText(error));
  }
  if (!Configure(port)) {
    const DWORD error = GetLastError();
    CloseHandle(port);
    return fail(LinkFailure::Kind::OpenFailed, SystemErrorText(error));
  }
  io_->port = port;
  opened(path);
  startRead();
  return true;
}

void WinSerialLink::closePort(bool letOutputGo) {
  if (!portOpen()) return;
  if (letOutputGo) {
    DWORD error = 0;
    waitForOutput(QDeadlineTimer(SendingTimeMs(kOutBufferSize)), &error);
  }
  io_->read.cancel(io_->port);
  io_->write.cancel(io_->port);
  CloseHandle(io_->port);
  io_->port = INVALID_HANDLE_VALUE;
  outQueue_.clear();
  closed();
}

bool WinSerialLink::waitForOutput(const QDeadlineTimer& deadline, unsigned long* error) {
  *error = 0;
  while (io_->write.pending && !deadline.hasExpired()) {
    const DWORD waited =
        WaitForSingleObject(io_->write.overlapped.hEvent, DWORD(deadline.remainingTime()));
    if (waited != WAIT_OBJECT_0) return true;  // still under way at the deadline
    DWORD failed = 0;
    if (!io_->write.collect(io_->port, false, &failed)) {
      if (failed == ERROR_IO_INCOMPLETE) continue;
      *error = failed;
      return false;
    }
    io_->write.buffer.clear();
    if (outQueue_.isEmpty()) break;
    if (const DWORD failed = startWrite()) {
      *error = failed;
      return false;
    }
  }
  return true;
}

bool WinSerialLink::drain(int timeoutMs) {
  if (!portOpen()) return fail(LinkFailure::Kind::NotOpen);
  // A write completes once the driver has sent its bytes.
  DWORD error = 0;
  if (!waitForOutput(QDeadlineTimer(timeoutMs), &error)) {
    return failOnError(LinkFailure::Kind::WriteFailed, error);
  }
  if (const int left = pendingOutput(); left > 0) {
    return fail(LinkFailure::Kind::NotDrained, {}, left);
  }
  return true;
}

void WinSerialLink::startRead() {
  Transfer& read = io_->read;
  read.buffer.resize(kReadChunk);
  read.started(ReadFile(io_->port, read.buffer.data(), DWORD(read.buffer.size()), nullptr,
                        &read.overlapped));
}

void WinSerialLink::readDone() {
  if (!portOpen() || !io_->read.pending) return;
  DWORD error = 0;
  const std::optional<DWORD> moved = io_->read.collect(io_->port, false, &error);
  if (!moved) {
    if (error != ERROR_IO_INCOMPLETE) lose(error);
    return;
  }
  received(io_->read.buffer.left(*moved));
  if (!portOpen() || io_->read.pending) return;  // a callback closed or cleared the port
  if (*moved > 0) {
    startRead();
    return;
  }
  // A read ends empty only when the driver says so; a port that is gone says so too.
  COMSTAT status{};
  DWORD errors = 0;
  if (!ClearCommError(io_->port, &errors, &status)) {
    lose(GetLastError());
    return;
  }
  QTimer::singleShot(kEmptyReadPauseMs, this, [this] {
    if (portOpen() && !io_->read.pending) startRead();
  });
}

unsigned long WinSerialLink::startWrite() {
  Transfer& write = io_->write;
  write.buffer = outQueue_;
  outQueue_.clear();
  const BOOL ok = WriteFile(io_->port, write.buffer.constData(), DWORD(write.buffer.size()),
                            nullptr, &write.overlapped);
  const DWORD error = ok ? 0 : GetLastError();  // taken before anything else can change it
  if (error && error != ERROR_IO_PENDING) {
    write.buffer.clear();
    return error;
  }
  write.pending = true;
  write.startError = 0;
  return 0;
}

void WinSerialLink::writeDone() {
  if (!portOpen() || !io_->write.pending) return;
  DWORD error = 0;
  const std::optional<DWORD> moved = io_->write.collect(io_->port, false, &error);
  if (!moved) {
    if (error != ERROR_IO_INCOMPLETE) lose(error);
    return;
  }
  io_->write.buffer.clear();
  if (outQueue_.isEmpty()) return;
  if (const DWORD error = startWrite()) lose(error);  // what the caller queued is not sent
}

int WinSerialLink::pendingOutput() const {
  return static_cast<int>(outQueue_.size() + (io_->write.pending ? io_->write.buffer.size() : 0));
}

bool WinSerialLink::output(const QByteArray& bytes) {
  if (!portOpen()) return fail(LinkFailure::Kind::NotOpen);
  if (bytes.size() > kOutBufferSize - pendingOutput()) {
    return fail(LinkFailure::Kind::OutputFull, {}, static_cast<int>(bytes.size()));
  }
  outQueue_ += bytes;
  if (io_->write.pending) return true;
  if (const DWORD error = startWrite()) return failOnError(LinkFailure::Kind::WriteFailed, error);
  return true;
}

bool WinSerialLink::clearOutBuffer() {
  if (!portOpen()) return fail(LinkFailure::Kind::NotOpen);
  io_->write.cancel(io_->port);
  outQueue_.clear();
  if (PurgeComm(io_->port, PURGE_TXABORT | PURGE_TXCLEAR)) return true;
  return failOnError(LinkFailure::Kind::ClearFailed, GetLastError());
}

bool WinSerialLink::clearInBuffer() {
  if (!portOpen()) return fail(LinkFailure::Kind::NotOpen);
  // What the read in flight has taken from the driver is dropped with the rest.
  io_->read.cancel(io_->port);
  const bool purged = PurgeComm(io_->port, PURGE_RXABORT | PURGE_RXCLEAR) != 0;
  const DWORD error = purged ? 0 : GetLastError();
  discardInput();
  if (!purged) {
    const bool stillOpen = !DeviceGone(error);
    failOnError(LinkFailure::Kind::ClearFailed, error);
    if (stillOpen) startRead();
    return false;
  }
  startRead();
  return true;
}

bool WinSerialLink::failOnError(LinkFailure::Kind kind, unsigned long error) {
  if (!DeviceGone(error)) return fail(kind, SystemErrorText(error));
  const LinkFailure hungUp = failure(LinkFailure::Kind::HungUp, SystemErrorText(error));
  closePort(false);  // reported here, once, not again through onFailure
  return fail(hungUp);
}

void WinSerialLink::lose(unsigned long error) {
  const LinkFailure lost = failure(LinkFailure::Kind::HungUp, SystemErrorText(error));
  closePort(false);
  reportLost(lost);
}

}  // namespace vorlan
