#include "link/transport/threshold_link.h"

#include <QMetaObject>

#include "link/com_ports.h"

namespace vorlan {

ThresholdLink::ThresholdLink(QObject* parent) : QObject(parent) {}

void ThresholdLink::forgetCallbacks() {
  onComm = nullptr;
  onFailure = nullptr;
  onReceived = nullptr;
  onArrived = nullptr;
}

LinkFailure ThresholdLink::failure(LinkFailure::Kind kind, const QString& reason, int bytes) const {
  const int number = portOpen() ? openPort_ : commPort_;
  return {kind, PortText(number),
          portOpen() ? path_ : (asked_.isEmpty() ? resolve(number) : asked_), reason, bytes};
}

bool ThresholdLink::fail(LinkFailure::Kind kind, const QString& reason, int bytes) {
  return fail(failure(kind, reason, bytes));
}

bool ThresholdLink::fail(const LinkFailure& failure) {
  lastFailure_ = failure;
  return false;
}

void ThresholdLink::reportLost(const LinkFailure& lost) {
  lastFailure_ = lost;
  if (onFailure) onFailure(lost);
}

bool ThresholdLink::setCommPort(int port) {
  if (port < 1) {
    lastFailure_ = {LinkFailure::Kind::Unmapped, PortText(port), {}};
    return false;
  }
  commPort_ = port;  // the open port, if any, stays open until it is closed
  asked_.clear();
  return true;
}

bool ThresholdLink::setPortOpen(bool open) {
  if (!open) {
    closeDevice();
    return true;
  }
  if (portOpen() && openPort_ == commPort_) return true;  // the open port picked again
  return openDevice(resolve(commPort_));
}

bool ThresholdLink::openDevice(const QString& path) {
  if (portOpen()) {
    if (openPort_ == commPort_ && path_ == path) return true;
    closeDevice();
  }
  asked_ = path;
  return openSystemPort(path);
}

void ThresholdLink::opened(const QString& path) {
  openPort_ = commPort_;
  path_ = path;
  inBuffer_.clear();
}

void ThresholdLink::closed() {
  inBuffer_.clear();
  threshold_ = 0;
  armed_ = false;
}

bool ThresholdLink::setRThreshold(int n) {
  if (n > 0 && !portOpen()) return fail(LinkFailure::Kind::NotOpen);
  threshold_ = n > 0 ? n : 0;
  armed_ = threshold_ > 0;
  scheduleDelivery();
  return true;
}

QByteArray ThresholdLink::input() {
  if (inputLen_ <= 0 || inBuffer_.size() < inputLen_) return {};
  QByteArray taken = inBuffer_.left(inputLen_);
  inBuffer_.remove(0, inputLen_);
  return taken;
}

void ThresholdLink::received(const QByteArray& bytes) {
  if (bytes.isEmpty()) return;
  if (onArrived) onArrived(bytes);
  const qsizetype room = kInBufferSize - inBuffer_.size();
  inBuffer_ += bytes.left(room);  // the rest is lost, as on a full receive buffer
  if (onReceived) onReceived(inBufferCount());
  scheduleDelivery();
}

void ThresholdLink::scheduleDelivery() {
  if (deliveryQueued_ || !armed_ || inBuffer_.size() < threshold_) return;
  deliveryQueued_ = true;
  QMetaObject::invokeMethod(this, &ThresholdLink::deliver, Qt::QueuedConnection);
}

void ThresholdLink::deliver() {
  deliveryQueued_ = false;
  if (inHandler_ || !armed_ || !portOpen() || inBuffer_.size() < threshold_) return;
  armed_ = false;
  inHandler_ = true;
  commEvent_ = kCommEventReceive;
  struct Leave {
    ThresholdLink* link;
    ~Leave() {
      link->inHandler_ = false;
      link->commEvent_ = 0;
    }
  } leave{this};
  if (onComm) onComm();
  scheduleDelivery();  // the handler may have armed a threshold that is already reached
}

}  // namespace vorlan
