#pragma once
// The serial link over a Windows COM port through the Win32 API: "COMn" opens \\.\COMn, fixed at
// 9600 baud, 8 data bits, no parity, 1 stop bit, no flow control, DTR and RTS raised (as Linux
// raises them on opening). Reads and writes are overlapped; their completion is delivered on the
// owner's thread by the event loop, so nothing here runs on another thread. The receive event, the
// input buffer and the failures behave as ThresholdLink says.
//
// Output buffer: a text that does not fit in the room left of the 512 bytes is refused whole.
// Closing the port first lets what is still being sent go out (a message sent just before EXIT
// arrives whole), for as long as it takes at 9600 baud.

#include <QByteArray>
#include <QDeadlineTimer>
#include <memory>

#include "link/transport/threshold_link.h"

namespace vorlan {

class WinSerialLink : public ThresholdLink {
  Q_OBJECT

 public:
  explicit WinSerialLink(QObject* parent = nullptr);
  ~WinSerialLink() override;

  bool portOpen() const override;
  bool clearOutBuffer() override;
  bool clearInBuffer() override;
  bool output(const QByteArray& bytes) override;
  bool drain(int timeoutMs) override;

 protected:
  bool openSystemPort(const QString& path) override;
  void closeDevice() override { closePort(); }

 private:
  struct Io;

  void startRead();
  void readDone();
  // Hands the queued bytes to the system; 0, or the error that refused them.
  unsigned long startWrite();
  void writeDone();
  // Waits for the writes in flight and queued until the deadline; false when the port failed.
  bool waitForOutput(const QDeadlineTimer& deadline, unsigned long* error);
  // Lets what is being sent go out first unless the device is gone.
  void closePort(bool letOutputGo = true);
  // The open port failed under the program: close it and say so once.
  void lose(unsigned long error);
  // Fails an operation by the system's error: one that means the device is gone closes the port.
  bool failOnError(LinkFailure::Kind kind, unsigned long error);
  int pendingOutput() const;

  std::unique_ptr<Io> io_;
  QByteArray outQueue_;  // waiting for the write in flight to finish
};

}  // namespace vorlan
