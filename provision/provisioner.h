#pragma once
// Many trackers set up at once, all in one thread: one link, one device session and one job per
// port, side by side on the event loop, so that eight trackers take about as long as one. A
// tracker that fails stops no other.
//
// Either the rows go to given ports (the i-th row to the i-th port, unless it names its own), or,
// at a setup station, each tracker plugged in gets the next row not yet done.

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <variant>

#include "link/device_link.h"
#include "link/discovery/port_names.h"
#include "link/finder/port_arrival.h"
#include "provision/device_table.h"
#include "provision/provision_job.h"

namespace vorlan {

// The port "COM3" or a device path stands for, with its adapter's chip and serial number when the
// mapping knows its device; nothing for a text that is neither.
std::optional<ProvisionPort> PortNamed(const QString& text, const QList<MappedPort>& mapping);

// The port of each row, in the rows' order: a row's own "port" cell, else the next of `ports` that
// no row names. MoreRowsThanPorts when there are too few, UnknownPort for a name that is none,
// PortTwice for a port two rows would get.
std::variant<QList<ProvisionPort>, TableProblems> AssignPorts(const QList<TableRow>& rows,
                                                              const QStringList& ports,
                                                              const QList<MappedPort>& mapping);

class Provisioner : public QObject {
 public:
  using LinkFactory = std::function<std::unique_ptr<DeviceLink>()>;
  struct Options {
    ProvisionJob::Options job;
    int timeoutMs = 5000;  // each reply's
    // The ports present now, polled while trackers are plugged in.
    PortArrivalWatch::PortSource present = PortsPresentNow;
    int pollMs = PortArrivalWatch::kPollMs;
  };

  Provisioner(ProvisionTemplate base, QList<TableRow> rows, LinkFactory links, Options options);
  ~Provisioner() override;

  // Every row on its port (AssignPorts' answer), all at once.
  void startOnPorts(const QList<ProvisionPort>& ports);
  // Each USB-serial or pinned port that appears (one present at the start counts as appearing)
  // gets the next row not yet done; a row that names its port waits for that one. Ends when every
  // row has finished.
  void startAsPlugged();
  // Stops every job that has not finished (Failed, Stopped) and the watch for new ports.
  void stop();
  bool running() const;

  // One per row, in the rows' order.
  const QList<JobReport>& reports() const { return reports_; }

  // reports()[index] changed (its state, its port, its progress).
  std::function<void(int index)> onChanged;
  // Plugged in: a row is started on `port`.
  std::function<void(int index, const ProvisionPort& port)> onAssigned;
  // Plugged in: ready for another tracker (at the start, and after each assignment while rows
  // are left without a port): "plug in the next tracker".
  std::function<void()> onWaitingForTracker;
  // Every row has finished, or the run was stopped.
  std::function<void()> onFinished;

 private:
  struct Running;

  void launch(int index, const ProvisionPort& port);
  void jobFinished(int index, const JobReport& report);
  // Plugged in: the ports that appeared since the last poll, each given its row.
  void look();
  // The row a port that appeared gets: one that names it, else the next that names none.
  std::optional<int> rowFor(const MappedPort& port, const QList<MappedPort>& present) const;
  bool rowsLeftWithoutPort() const;
  bool portBusy(const QString& path) const;

  ProvisionTemplate base_;
  QList<TableRow> rows_;
  LinkFactory links_;
  Options options_;
  QList<JobReport> reports_;
  std::vector<std::unique_ptr<Running>> running_;
  QList<bool> started_;  // per row: it has had its port
  QTimer poll_;
  QList<MappedPort> lastPoll_;
  bool ended_ = false;  // onFinished told
};

}  // namespace vorlan
