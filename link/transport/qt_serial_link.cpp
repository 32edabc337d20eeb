#include "link/transport/qt_serial_link.h"

#include <QDeadlineTimer>
#include <QMetaObject>
#include <QThread>
#include <algorithm>

#include "link/discovery/lock_files.h"
#include "link/discovery/port_holders.h"
#include "link/transport/link_failures.h"

#ifdef Q_OS_UNIX
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#endif

namespace vorlan {
namespace {

bool Accessible(const QString& path) {
#ifdef Q_OS_UNIX
  return ::access(path.toLocal8Bit().constData(), R_OK | W_OK) == 0;
#else
  Q_UNUSED(path);
  return true;
#endif
}

// A lock file another program that still runs took on the device, under any of its names.
bool LiveLockOn(const QString& path) {
  const QList<PortLockFile> locks = LockFilesOf(path);
  return std::any_of(locks.begin(), locks.end(), [](const PortLockFile& l) { return l.live; });
}

// Errors after which the port is gone: Linux may report a hang-up as an endless run of read
// errors while the port still counts as open.
bool IsHangUp(QSerialPort::SerialPortError error) {
  return error == QSerialPort::ResourceError || error == QSerialPort::ReadError ||
         error == QSerialPort::WriteError;
}

}  // namespace

QtSerialLink::QtSerialLink(QObject* parent) : ThresholdLink(parent) {
  connect(&port_, &QSerialPort::readyRead, this, &QtSerialLink::receive);
  connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialLink::portError);
}

QtSerialLink::~QtSerialLink() {
  forgetCallbacks();
  closePort();
}

bool QtSerialLink::openSystemPort(const QString& path) {
  if (path.isEmpty()) return failToOpen(LinkFailure::Kind::Unmapped);
  // Before Qt's open touches the line settings: a device another program holds, by whatever name,
  // is left as it is.
  if (claim_.claim(path) == DeviceClaim::Result::Held || LiveLockOn(path)) {
    claim_.release();
    return failToOpen(LinkFailure::Kind::Busy);
  }

  port_.setPortName(path);
  port_.setBaudRate(kBaudRate);
  port_.setDataBits(QSerialPort::Data8);
  port_.setParity(QSerialPort::NoParity);
  port_.setStopBits(QSerialPort::OneStop);
  port_.setFlowControl(QSerialPort::NoFlowControl);
  port_.clearError();
  if (!port_.open(QIODevice::ReadWrite)) {
    const LinkFailure::Kind kind = OpenFailureKind(port_.error(), Accessible(path));
    const QString reason = port_.errorString();
    port_.clearError();
    claim_.release();
    return failToOpen(kind, reason, true);
  }
  hangUpQueued_ = false;
  opened(path);
  return true;
}

bool QtSerialLink::failToOpen(LinkFailure::Kind kind, const QString& reason, bool byQt) {
  LinkFailure failed = failure(kind, reason);
  Diagnose(failed);
  // Qt refuses a port whose lock file it may not remove, even when that file's process has ended.
  if (byQt) NameStaleLock(failed);
  return fail(failed);
}

void QtSerialLink::closePort() {
  if (port_.isOpen()) port_.close();
  claim_.release();
  port_.clearError();
  closed();
}

bool QtSerialLink::clearBuffer(QSerialPort::Direction direction) {
  if (!port_.isOpen()) return fail(LinkFailure::Kind::NotOpen);
  port_.clearError();
  if (port_.clear(direction)) return true;
  return failOnPortError(LinkFailure::Kind::ClearFailed);
}

bool QtSerialLink::failOnPortError(LinkFailure::Kind kind) {
  const QString reason = port_.errorString();
  if (IsHangUp(port_.error())) {
    const LinkFailure hungUp = failure(LinkFailure::Kind::HungUp, reason);
    closePort();  // reported here, once, not again through onFailure
    return fail(hungUp);
  }
  port_.clearError();
  return fail(kind, reason);
}

bool QtSerialLink::clearOutBuffer() {
  return clearBuffer(QSerialPort::Output);
}

bool QtSerialLink::clearInBuffer() {
  if (!clearBuffer(QSerialPort::Input)) return false;
  discardInput();
  return true;
}

int QtSerialLink::pendingOutput() const {
  int pending = static_cast<int>(port_.bytesToWrite());
#if defined(Q_OS_UNIX) && defined(TIOCOUTQ)
  int queued = 0;
  if (::ioctl(port_.handle(), TIOCOUTQ, &queued) == 0) pending += queued;
#endif
  return pending;
}

bool QtSerialLink::output(const QByteArray& bytes) {
  if (!port_.isOpen()) return fail(LinkFailure::Kind::NotOpen);
  if (bytes.size() > kOutBufferSize - pendingOutput()) {
    return fail(LinkFailure::Kind::OutputFull, {}, static_cast<int>(bytes.size()));
  }
  // An error left from an earlier operation says nothing about this one.
  port_.clearError();
  // QSerialPort queues the bytes; flush hands them to the driver now, without waiting for them to
  // go out on the line. Bytes the driver cannot take yet stay queued and go out from the event
  // loop: only an error of this write fails it.
  const bool queued = port_.write(bytes) == bytes.size();
  port_.flush();
  const QSerialPort::SerialPortError error = port_.error();
  if (queued && (error == QSerialPort::NoError || error == QSerialPort::TimeoutError)) return true;
  return failOnPortError(LinkFailure::Kind::WriteFailed);
}

bool QtSerialLink::drain(int timeoutMs) {
  if (!port_.isOpen()) return fail(LinkFailure::Kind::NotOpen);
  const QDeadlineTimer deadline(timeoutMs);
  // Qt's own queue first, then the driver's: polled, so that a stuck line cannot hold us past the
  // deadline.
  while (port_.bytesToWrite() > 0 && !deadline.hasExpired()) {
    if (!port_.waitForBytesWritten(static_cast<int>(deadline.remainingTime()))) break;
  }
  while (pendingOutput() > 0 && !deadline.hasExpired()) QThread::msleep(2);
  if (const int left = pendingOutput(); left > 0) {
    return fail(LinkFailure::Kind::NotDrained, {}, left);
  }
#ifdef Q_OS_UNIX
  // The driver's queue is empty; this waits for the last bytes in the adapter to go out.
  ::tcdrain(port_.handle());
#endif
  return true;
}

void QtSerialLink::receive() {
  received(port_.readAll());
}

void QtSerialLink::portError(QSerialPort::SerialPortError error) {
  if (!IsHangUp(error) || !port_.isOpen() || hangUpQueued_) return;
  // Closing the port inside its own signal is unsafe; close it from the event loop.
  hangUpQueued_ = true;
  QMetaObject::invokeMethod(this, &QtSerialLink::hangUp, Qt::QueuedConnection);
}

void QtSerialLink::hangUp() {
  hangUpQueued_ = false;
  if (!port_.isOpen()) return;
  const LinkFailure hungUp = failure(LinkFailure::Kind::HungUp, port_.errorString());
  closePort();
  reportLost(hungUp);
}

}  // namespace vorlan
