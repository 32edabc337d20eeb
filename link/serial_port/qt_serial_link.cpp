#include "link/serial_port/qt_serial_link.h"

#include <QMetaObject>

#include "link/serial_port/link_failures.h"
#include "link/serial_port/port_names.h"
#include "params/presets.h"

#ifdef Q_OS_UNIX
#include <sys/ioctl.h>
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

QtSerialLink::QtSerialLink(const LanguageData& lang, QObject* parent)
    : QObject(parent), lang_(lang) {
  connect(&port_, &QSerialPort::readyRead, this, &QtSerialLink::receive);
  connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialLink::portError);
}

QtSerialLink::~QtSerialLink() {
  onComm = nullptr;
  onFailure = nullptr;
  closePort();
}

bool QtSerialLink::fail(const QString& message) {
  lastError_ = message;
  return false;
}

bool QtSerialLink::failNotOpen() {
  return fail(Text(lang_.portNotOpen));
}

bool QtSerialLink::setCommPort(int port) {
  if (port < 1) return fail(Text(lang_.portUnmapped).arg(PortText(port)));
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
  const QString name = PortText(commPort_);
  const QString path = DevicePathForPort(commPort_);
  if (path.isEmpty()) return fail(Text(lang_.portUnmapped).arg(name));

  port_.setPortName(path);
  port_.setBaudRate(kBaudRate);
  port_.setDataBits(QSerialPort::Data8);
  port_.setParity(QSerialPort::NoParity);
  port_.setStopBits(QSerialPort::OneStop);
  port_.setFlowControl(QSerialPort::NoFlowControl);
  if (!port_.open(QIODevice::ReadWrite)) {
    const QString message =
        OpenFailureMessage(port_.error(), Accessible(path), name, path, port_.errorString(), lang_);
    port_.clearError();
    return fail(message);
  }
  openPort_ = commPort_;
  path_ = path;
  hangUpQueued_ = false;
  inBuffer_.clear();
  return true;
}

void QtSerialLink::closePort() {
  if (port_.isOpen()) port_.close();
  port_.clearError();
  inBuffer_.clear();
  threshold_ = 0;
  armed_ = false;
}

bool QtSerialLink::clearOutBuffer() {
  if (!port_.isOpen()) return failNotOpen();
  port_.clear(QSerialPort::Output);
  return true;
}

bool QtSerialLink::clearInBuffer() {
  if (!port_.isOpen()) return failNotOpen();
  port_.clear(QSerialPort::Input);
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
  if (!port_.isOpen()) return failNotOpen();
  const QString name = PortText(openPort_);
  const QString path = path_;
  if (bytes.size() > kOutBufferSize - pendingOutput()) {
    return fail(Text(lang_.portOutputFull).arg(name, path, QString::number(bytes.size())));
  }
  // QSerialPort queues the bytes; flush hands them to the driver now, without waiting for them to
  // go out on the line.
  const bool queued = port_.write(bytes) == bytes.size();
  port_.flush();
  const QSerialPort::SerialPortError error = port_.error();
  if (queued && (error == QSerialPort::NoError || error == QSerialPort::TimeoutError)) return true;
  if (IsHangUp(error)) {
    closePort();  // reported here, once, not again through onFailure
    return fail(Text(lang_.portHungUp).arg(name, path));
  }
  const QString reason = port_.errorString();
  port_.clearError();
  return fail(Text(lang_.portWriteFailed).arg(name, path, reason));
}

bool QtSerialLink::setRThreshold(int n) {
  if (n > 0 && !port_.isOpen()) return failNotOpen();
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
  const qsizetype room = kInBufferSize - inBuffer_.size();
  inBuffer_ += bytes.left(room);  // the rest is lost, as on a full receive buffer
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
  const QString message = Text(lang_.portHungUp).arg(PortText(openPort_), path_);
  closePort();
  lastError_ = message;
  if (onFailure) onFailure(message);
}

}  // namespace vorlan
