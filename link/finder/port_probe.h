#pragma once
// Finding the tracker by asking: the About request to each port the user may have the tracker on,
// one at a time through a device session (so with its quiet after opening), with a short wait for
// its answer. Only ports on a USB-serial adapter and ports the
// user pinned with VORLAN_COM<n> are asked, and none that another program is seen to hold: open
// (where the system shows this user the program), claimed, made exclusive or locked by a live
// lock file (see QtSerialLink). Opening a port to ask it sends nothing by itself.

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

#include "link/discovery/port_names.h"
#include "link/link_failure.h"

namespace vorlan {

class DeviceSession;
class ThresholdLink;
struct SessionOutcome;

struct ProbeResult {
  enum class Outcome {
    Answered,   // it answered as the tracker does; aboutText holds what followed "$6"
    Silent,     // nothing came within the wait
    Short,      // the tracker's answer began but was cut at the wait's end: not counted
    Other,      // bytes came, but not the tracker's answer
    Held,       // another program has it open: not asked; holders names them
    NotOpened,  // it could not be opened: failure says why
  };

  MappedPort port;
  Outcome outcome = Outcome::Silent;
  QByteArray received = {};   // every byte that came
  QByteArray aboutText = {};  // Answered, Short: up to the 100 bytes of the about text
  QList<PortHolder> holders = {};
  // The open files of other users' programs could not be read: one of them may have had the
  // port open unseen, without any lock.
  bool othersUnseen = false;
  std::optional<LinkFailure> failure = {};
};

// The ports the finder may ask, in COM order: those on a USB-serial adapter and those the user
// pinned, each device once (a pin comes before the system's name for the same device).
QList<MappedPort> PortsToAsk(const QList<MappedPort>& mapping);

// What came after the About request: the tracker answers "$6" and its 100-byte about text, which is
// its answer only when whole; bytes before the "$" (a tracker may be sending its position) do not
// matter.
ProbeResult::Outcome ClassifyAnswer(const QByteArray& received, QByteArray* aboutText = nullptr);

// The ports that answered as the tracker does.
QList<ProbeResult> Answering(const QList<ProbeResult>& results);

class PortProbe : public QObject {
 public:
  static constexpr int kWaitMs = 1500;  // the answer takes 106 ms on the line at 9600 baud

  explicit PortProbe(int waitMs = kWaitMs);
  ~PortProbe() override;

  int waitMs() const { return waitMs_; }
  // Asks the ports in turn; onFinished gets one result for each, in the same order.
  void start(const QList<MappedPort>& ports);
  // Stops at once and closes the port being asked; onFinished is not called.
  void cancel();
  bool running() const { return running_; }

  std::function<void(const MappedPort& port)> onAsking;
  std::function<void(const QList<ProbeResult>& results)> onFinished;

 private:
  void askNext();
  void arrived(const QByteArray& bytes);
  void answered(const SessionOutcome& outcome);
  void queueFinish();
  void finishPort();  // from the event loop: closes the port and records what it did
  void closeLink();   // drains what is queued, then closes

  int waitMs_;
  bool running_ = false;
  bool finishing_ = false;
  QList<MappedPort> ports_;
  QList<ProbeResult> results_;
  ProbeResult current_;
  std::unique_ptr<ThresholdLink> link_;
  std::unique_ptr<DeviceSession> session_;  // on link_
  // From the request on: an answer that starts after other bytes may still be coming when the
  // session has read as many bytes as the answer holds.
  QTimer wait_;
};

// Asks the ports and returns when all have answered or had their wait (the event loop runs
// meanwhile): for a program without a window. `asking` is told each port as it is asked.
QList<ProbeResult> ProbePorts(const QList<MappedPort>& ports, int waitMs = PortProbe::kWaitMs,
                              const std::function<void(const MappedPort&)>& asking = {});

}  // namespace vorlan
