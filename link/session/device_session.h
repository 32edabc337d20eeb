#pragma once
// One device on one port, for every front end: the window, vorlan_cli, the finder and provisioning
// talk to the device only through a session. It owns the line's rules: the quiet after opening and
// after a frame without an end mark, the request's serial steps in their order, the time-out, the
// drain before closing, and the reading of every reply into a value by the one reply parser.
//
// It runs on its owner's event loop and never blocks it: a request is started, and the session
// reports the bytes received so far and, once, the outcome. Many sessions run side by side in one
// thread. WaitForOutcome() is the blocking form for a program without a window.

#include <QByteArray>
#include <QDeadlineTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <optional>

#include "link/device_link.h"
#include "link/link_failure.h"
#include "link/reply.h"
#include "link/request.h"

namespace vorlan {

// The device tells where a frame without an end mark (an instruction, a message) ends only by the
// quiet after it: no request follows one within this time, whoever sent it.
inline constexpr int kQuietAfterFrameMs = 100;

struct SessionOutcome {
  enum class Kind {
    Replied,     // the awaited bytes came: reply holds what the one parser read from them
    Sent,        // a request that awaits nothing has left the port
    NoAnswer,    // the time-out passed with nothing, or with the start of an expected reply only
    OtherKind,   // at the time-out: a whole reply of a kind the request does not expect
    Garbled,     // at the time-out: bytes came that are no reply (the first is not "$")
    PortFailed,  // a serial step failed, or the port failed under the session: failure says what
    Stopped,     // the owner stopped the wait (see stop())
  };

  Kind kind;
  Request request;           // what it answers
  Reply reply = {};          // Replied, OtherKind
  QByteArray received = {};  // every byte that came since the request was sent
  std::optional<LinkFailure> failure = {};

  // A reply whose kind the request expects (Replied only).
  bool expected() const { return kind == Kind::Replied && Answers(request, reply); }
};

class DeviceSession : public QObject {
 public:
  struct Options {
    // How long a reply may take. At the time-out what came is read for what it is.
    int timeoutMs = 5000;
    // The window's way: past the time-out, a reply that was only late (nothing came, or the start
    // of an expected one) is still awaited; onLate tells the owner instead of an outcome.
    bool awaitLateReply = false;
  };

  DeviceSession(DeviceLink& link, Options options);
  // Lets what is still queued leave the port before it closes.
  ~DeviceSession() override;

  // Opens port `number` (its device found by the link's resolver), or the device at `devicePath`
  // under that number when one is given, closing any other port first. Picking the open port again
  // keeps it open. The first request waits for kQuietAfterFrameMs after opening: a frame another
  // program sent just before may still wait for its quiet. nullopt when open.
  std::optional<LinkFailure> open(int number, const QString& devicePath = {});
  // Drains what is queued (no longer than the time-out), then closes. Nothing is awaited after it.
  // False when the port would not close (the link's lastFailure() says why).
  bool close();
  bool isOpen() const { return link_.portOpen(); }
  int port() const { return link_.commPort(); }
  QString devicePath() const { return link_.devicePath(); }
  // The time-out of the requests started from now on.
  int timeoutMs() const { return options_.timeoutMs; }
  void setTimeoutMs(int ms) { options_.timeoutMs = ms; }

  // Starts a request: after the quiet a frame before it needs (at once, within this call, when none
  // holds it back), the serial steps in their order; a
  // request that awaits a reply replaces any that is still awaited (its outcome never comes), one
  // that awaits nothing leaves it awaited. The outcome comes from the event loop, never from inside
  // this call.
  void start(const Request& request);
  // Ends the wait at once with a Stopped outcome, and sends nothing still held back by a quiet. A
  // frame already on its way is drained whole: half a frame would wait for the next one.
  void stop();
  bool busy() const;
  // A request is held back by a quiet, or a frame without an end mark is still on its way.
  bool sending() const { return draining_.has_value() || !queue_.isEmpty(); }

  // The bytes that came since the awaited request was sent.
  const QByteArray& received() const { return received_; }

  // Told each arrival, with the bytes so far and the count awaited.
  std::function<void(int received, int expected)> onProgress;
  // Told the bytes themselves as they arrive, and each request's bytes as they are sent: a front
  // end logs the exchange.
  std::function<void(const QByteArray& bytes)> onArrived;
  std::function<void(const QByteArray& bytes)> onSent;
  // Told once per request (awaitLateReply: also once for a late reply, when it comes).
  std::function<void(const SessionOutcome& outcome)> onOutcome;
  // awaitLateReply: the time-out passed and the reply is still awaited.
  std::function<void(const SessionOutcome& outcome)> onLate;
  // The port failed under the session while nothing was awaited; it is closed now.
  std::function<void(const LinkFailure& failure)> onLost;

 private:
  void scheduleSend();
  void sendNext();
  void watchDrain();
  void replyArrived();
  void timedOut();
  void linkFailed(const LinkFailure& failure);
  // Ends the awaited request with this outcome; its timer and threshold go.
  void finish(SessionOutcome::Kind kind, std::optional<Reply> reply = std::nullopt,
              std::optional<LinkFailure> failure = std::nullopt);
  void tell(const SessionOutcome& outcome);
  SessionOutcome outcomeFor(const Request& request, SessionOutcome::Kind kind) const;

  DeviceLink& link_;
  Options options_;
  QByteArray received_;
  QList<Request> queue_;             // started, held back by a quiet or by a frame being drained
  std::optional<Request> awaited_;   // sent, its reply not yet read
  bool late_ = false;                // awaited past its time-out (awaitLateReply)
  bool starting_ = false;            // within start(): outcomes wait for the event loop
  std::optional<Request> draining_;  // a frame without an end mark, not yet wholly on the line
  bool drainStopped_ = false;        // its outcome was given by stop()
  QDeadlineTimer drainDeadline_;
  QDeadlineTimer quietUntil_{0};
  QTimer sendTimer_;
  QTimer drainTimer_;
  QTimer timeout_;
};

// Starts the request and runs the event loop until its outcome comes (stop() ends it with Stopped).
// For a program without a window.
SessionOutcome WaitForOutcome(DeviceSession& session, const Request& request);

}  // namespace vorlan
