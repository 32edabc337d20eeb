#include "link/serial_port/qt_serial_link.h"

#include <QDeadlineTimer>
#include <QMetaObject>
#include <QThread>

#include "link/com_ports.h"
#include "link/serial_port/link_failures.h"
#include "link/serial_port/port_holders.h"
#include "link/serial_port/port_names.h"

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

// Errors after which the port is gone: Linux may report a hang-up as an endless run of read
// errors while the port still counts as open.
bool IsHangUp(QSerialPort::SerialPortError error) {
  return error == QSerialPort::ResourceError || error == QSerialPort::ReadError ||
         error == QSerialPort::WriteError;
}

}  // namespace

QtSerialLink::QtSerialLink(QObject* parent) : QObject(parent) {
  connect(&port_, &QSerialPort::readyRead, this, &QtSerialLink::receive);
  connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialLink::portError);
}

QtSerialLink::~QtSerialLink() {
  onComm = nullptr;
  onFailure = nullptr;
  onReceived = nullptr;
  onArrived = nullptr;
  closePort();
}

LinkFailure QtSerialLink::failure(LinkFailure::Kind kind, const QString& reason, int bytes) const {
  const int number = port_.isOpen() ? openPort_ : commPort_;
  return {kind, PortText(number), port_.isOpen() ? path_ : pathFor(number), reason, bytes};
}

bool QtSerialLink::fail(LinkFailure::Kind kind, const QString& reason, int bytes) {
  lastFailure_ = failure(kind, reason, bytes);
  return false;
}

bool QtSerialLink::setCommPort(int port) {
  if (port < 1) {
    lastFailure_ = {LinkFailure::Kind::Unmapped, PortText(port), {}};
    return false;
  }
  commPort_ = port;  // the open port, if any, stays open until it is closed
  return true;
}

bool QtSerialLink::setPortOpen(bool open) {
  if (!open) {
    closePort();
    return true;
  }
  if (port_.isOpen()) {
    if (openPort_ == commPort_) return true;
    closePort();
  }
  const QString path = pathFor(commPort_);
  if (path.isEmpty()) return failToOpen(LinkFailure::Kind::Unmapped);

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
    return failToOpen(kind, reason);
  }
  openPort_ = commPort_;
  path_ = path;
  hangUpQueued_ = false;
  inBuffer_.clear();
  return true;
}

bool QtSerialLink::failToOpen(LinkFailure::Kind kind, const QString& reason) {
  fail(kind, reason);
  Diagnose(lastFailure_);
  return false;
}

QString QtSerialLink::pathFor(int number) const {
  return pinnedPath_.isEmpty() ? DevicePathForPort(number) : pinnedPath_;
}

void QtSerialLink::closePort() {
  if (port_.isOpen()) port_.close();
  port_.clearError();
  inBuffer_.clear();
  threshold_ = 0;
  armed_ = false;
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
    lastFailure_ = hungUp;
    return false;
  }
  port_.clearError();
  return fail(kind, reason);
}

bool QtSerialLink::clearOutBuffer() {
  return clearBuffer(QSerialPort::Output);
}

bool QtSerialLink::clearInBuffer() {
  if (!clearBuffer(QSerialPort::Input)) return false;
  inBuffer_.clear();
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

bool QtSerialLink::setRThreshold(int n) {
  if (n > 0 && !port_.isOpen()) return fail(LinkFailure::Kind::NotOpen);
  threshold_ = n > 0 ? n : 0;
  armed_ = threshold_ > 0;
  scheduleDelivery();
  return true;
}

QByteArray QtSerialLink::input() {
  if (inputLen_ <= 0 || inBuffer_.size() < inputLen_) return {};
  QByteArray taken = inBuffer_.left(inputLen_);
  inBuffer_.remove(0, inputLen_);
  return taken;
}

void QtSerialLink::receive() {
  const QByteArray bytes = port_.readAll();
  if (onArrived && !bytes.isEmpty()) onArrived(bytes);
  const qsizetype room = kInBufferSize - inBuffer_.size();
  inBuffer_ += bytes.left(room);  // the rest is lost, as on a full receive buffer
  if (onReceived && !bytes.isEmpty()) onReceived(inBufferCount());
  scheduleDelivery();
}

void QtSerialLink::scheduleDelivery() {
  if (deliveryQueued_ || !armed_ || inBuffer_.size() < threshold_) return;
  deliveryQueued_ = true;
  QMetaObject::invokeMethod(this, &QtSerialLink::deliver, Qt::QueuedConnection);
}

void QtSerialLink::deliver() {
  deliveryQueued_ = false;
  if (inHandler_ || !armed_ || !port_.isOpen() || inBuffer_.size() < threshold_) return;
  armed_ = false;
  inHandler_ = true;
  commEvent_ = kCommEventReceive;
  struct Leave {
    QtSerialLink* link;
    ~Leave() {
      link->inHandler_ = false;
      link->commEvent_ = 0;
    }
  } leave{this};
  if (onComm) onComm();
  scheduleDelivery();  // the handler may have armed a threshold that is already reached
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
  lastFailure_ = hungUp;
  if (onFailure) onFailure(hungUp);
}

}  // namespace vorlan
