#pragma once
// What a device session needs of a serial link beyond the serial control's own operations: opening
// a device by its path, waiting for what is queued to leave, and being told of bytes and failures
// as they happen. The transports implement it; tests put a link in memory in its place.

#include <QByteArray>
#include <QString>
#include <functional>

#include "link/link_failure.h"
#include "link/serial_link.h"

namespace vorlan {

class DeviceLink : public SerialLink {
 public:
  // The device a port number stands for; empty when it stands for none. Resolved above the link
  // (by port discovery), so that a link is only ever given a device.
  using DeviceResolver = std::function<QString(int number)>;

  // Opens the device at `path` under the current CommPort number, closing any other first; the
  // open device reopened stays open.
  virtual bool openDevice(const QString& path) = 0;
  // Waits until every byte handed to output() has left the port, or `timeoutMs` has passed
  // (false, NotDrained with the bytes still queued). A frame without an end mark is only whole
  // once its last byte is on the line, and closing a port can drop what is still queued.
  virtual bool drain(int timeoutMs) = 0;

  // PortOpen = true opens the device this resolver gives for CommPort; without one, none.
  void setDeviceResolver(DeviceResolver resolver) { resolver_ = std::move(resolver); }

  // Told once when the open port fails under the program; the port is closed by then.
  std::function<void(const LinkFailure& failure)> onFailure;
  // Told whenever bytes arrive, with the count now waiting.
  std::function<void(int waiting)> onReceived;
  // Told the bytes themselves as they arrive, before onReceived.
  std::function<void(const QByteArray& bytes)> onArrived;

 protected:
  QString resolve(int number) const { return resolver_ ? resolver_(number) : QString(); }

 private:
  DeviceResolver resolver_;
};

}  // namespace vorlan
