#include "provision/provisioner.h"

#include <QDir>
#include <QHash>
#include <QRegularExpression>
#include <algorithm>

#include "link/com_ports.h"

namespace vorlan {
namespace {

using Kind = TableProblem::Kind;

// The n of "COMn", in any case.
std::optional<int> ComNumber(const QString& text) {
  static const QRegularExpression com(QStringLiteral("^COM([1-9][0-9]*)$"),
                                      QRegularExpression::CaseInsensitiveOption);
  const auto match = com.match(text);
  if (!match.hasMatch()) return std::nullopt;
  return match.captured(1).toInt();
}

// One key per device: by its path where it is known, else by its number.
QString KeyOf(const ProvisionPort& port) {
  return port.path.isEmpty() ? PortText(port.number) : DeviceKey(port.path);
}

TableProblem UnknownPort(int row, int line, const QString& name) {
  TableProblem p{Kind::UnknownPort, row, line};
  p.value = name;
  return p;
}

}  // namespace

std::optional<ProvisionPort> PortNamed(const QString& text, const QList<MappedPort>& mapping) {
  ProvisionPort port;
  port.name = text.trimmed();
  auto known = mapping.end();
  if (const auto number = ComNumber(port.name)) {
    port.number = *number;
    known = std::find_if(mapping.begin(), mapping.end(),
                         [&](const MappedPort& m) { return m.number == *number; });
  } else if (QDir::isAbsolutePath(port.name)) {
    port.path = port.name;
    const QString key = DeviceKey(port.path);
    known = std::find_if(mapping.begin(), mapping.end(),
                         [&](const MappedPort& m) { return DeviceKey(m.path) == key; });
    if (known != mapping.end()) port.number = known->number;
  } else {
    return std::nullopt;
  }
  if (known != mapping.end()) {
    port.path = known->path;
    port.chip = known->chip;
    port.serial = known->serial;
  }
  return port;
}

std::variant<QList<ProvisionPort>, TableProblems> AssignPorts(const QList<TableRow>& rows,
                                                              const QStringList& ports,
                                                              const QList<MappedPort>& mapping) {
  TableProblems problems;
  QList<std::optional<ProvisionPort>> own;
  QSet<QString> named;  // the ports rows name themselves: no other row gets them
  for (const TableRow& row : rows) {
    own << std::nullopt;
    if (row.port.isEmpty()) continue;
    own.back() = PortNamed(row.port, mapping);
    if (!own.back()) {
      problems.push_back(UnknownPort(row.number, row.line, row.port));
    } else {
      named.insert(KeyOf(*own.back()));
    }
  }
  QList<ProvisionPort> free;
  for (const QString& name : ports) {
    const auto port = PortNamed(name, mapping);
    if (!port) {
      problems.push_back(UnknownPort(0, 0, name));
    } else if (!named.contains(KeyOf(*port))) {
      free << *port;
    }
  }
  const auto needing = std::count_if(rows.begin(), rows.end(),
                                     [](const TableRow& row) { return row.port.isEmpty(); });
  if (needing > free.size()) {
    TableProblem p{Kind::MoreRowsThanPorts};
    p.count = static_cast<int>(needing);
    p.ports = static_cast<int>(free.size());
    problems.push_back(p);
  }
  if (!problems.empty()) return problems;

  QList<ProvisionPort> assigned;
  QHash<QString, int> taken;  // a port's key -> the first row that gets it
  int next = 0;
  for (int i = 0; i < rows.size(); ++i) {
    assigned << (own[i] ? *own[i] : free[next++]);
    const QString key = KeyOf(assigned.back());
    if (taken.contains(key)) {
      TableProblem p{Kind::PortTwice, rows[i].number, rows[i].line, taken[key]};
      p.value = assigned.back().name;
      problems.push_back(p);
    } else {
      taken.insert(key, rows[i].number);
    }
  }
  if (!problems.empty()) return problems;
  return assigned;
}

// One tracker's link, session and job; declared in the order they are built, so that each goes
// before what it runs on.
struct Provisioner::Running {
  QString key;  // the device the job runs on
  std::unique_ptr<DeviceLink> link;
  std::unique_ptr<DeviceSession> session;
  std::unique_ptr<ProvisionJob> job;
};

Provisioner::Provisioner(ProvisionTemplate base, QList<TableRow> rows, LinkFactory links,
                         Options options)
    : base_(std::move(base)),
      rows_(std::move(rows)),
      links_(std::move(links)),
      options_(std::move(options)) {
  for (const TableRow& row : rows_) {
    JobReport report;
    report.row = row.number;
    reports_ << report;
    started_ << false;
  }
  poll_.setInterval(options_.pollMs);
  connect(&poll_, &QTimer::timeout, this, [this] { look(); });
}

Provisioner::~Provisioner() {
  poll_.stop();
  running_.clear();
}

void Provisioner::startOnPorts(const QList<ProvisionPort>& ports) {
  for (int i = 0; i < rows_.size() && i < ports.size(); ++i) launch(i, ports[i]);
  if (rows_.isEmpty()) jobFinished(-1, {});
}

void Provisioner::startAsPlugged() {
  lastPoll_.clear();
  if (onWaitingForTracker) onWaitingForTracker();
  poll_.start();
  look();
}

void Provisioner::stop() {
  if (ended_) return;
  poll_.stop();
  for (const auto& running : running_) running->job->stop();
  // A row that never had its tracker is not done either: the report says it was stopped.
  for (int i = 0; i < reports_.size(); ++i) {
    if (started_[i] || reports_[i].finished()) continue;
    reports_[i].state = JobState::Failed;
    reports_[i].failure = JobFailure{JobFailure::Kind::Stopped, JobState::Waiting};
    if (onChanged) onChanged(i);
  }
  ended_ = true;
  // After the jobs' own ends, which the event loop brings first.
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (onFinished) onFinished();
      },
      Qt::QueuedConnection);
}

bool Provisioner::running() const {
  if (ended_) return false;
  return poll_.isActive() || std::any_of(running_.begin(), running_.end(), [](const auto& running) {
           return !running->job->report().finished();
         });
}

void Provisioner::launch(int index, const ProvisionPort& port) {
  started_[index] = true;
  auto running = std::make_unique<Running>();
  running->key = KeyOf(port);
  running->link = links_();
  running->session =
      std::make_unique<DeviceSession>(*running->link, DeviceSession::Options{options_.timeoutMs});
  running->job =
      std::make_unique<ProvisionJob>(*running->session, base_, rows_[index], port, options_.job);
  ProvisionJob& job = *running->job;
  job.onChanged = [this, index](const JobReport& report) {
    reports_[index] = report;
    if (onChanged) onChanged(index);
  };
  job.onFinished = [this, index](const JobReport& report) { jobFinished(index, report); };
  running_.push_back(std::move(running));
  reports_[index].port = port;
  if (onChanged) onChanged(index);
  job.start();
}

void Provisioner::jobFinished(int index, const JobReport& report) {
  if (index >= 0) {
    reports_[index] = report;
    if (onChanged) onChanged(index);
  }
  if (ended_) return;
  if (!std::all_of(reports_.begin(), reports_.end(),
                   [](const JobReport& r) { return r.finished(); })) {
    return;
  }
  poll_.stop();
  ended_ = true;
  if (onFinished) onFinished();
}

void Provisioner::look() {
  QList<MappedPort> present = options_.present();
  present.removeIf([](const MappedPort& port) { return !port.pinned && !port.onUsb(); });
  const QList<MappedPort> appeared = Appeared(lastPoll_, present);
  lastPoll_ = present;
  for (const MappedPort& port : appeared) {
    if (portBusy(port.path)) {
      // Unplugged and plugged in again before its job noticed: a new tracker once the job ends.
      lastPoll_.removeIf(
          [&](const MappedPort& p) { return DeviceKey(p.path) == DeviceKey(port.path); });
      continue;
    }
    const auto index = rowFor(port, present);
    if (!index) continue;
    const ProvisionPort assigned{PortText(port.number), port.number, port.path, port.chip,
                                 port.serial};
    if (onAssigned) onAssigned(*index, assigned);
    launch(*index, assigned);
    if (rowsLeftWithoutPort() && onWaitingForTracker) onWaitingForTracker();
  }
  if (!rowsLeftWithoutPort()) poll_.stop();
}

std::optional<int> Provisioner::rowFor(const MappedPort& port,
                                       const QList<MappedPort>& present) const {
  const QString key = DeviceKey(port.path);
  for (int i = 0; i < rows_.size(); ++i) {
    if (started_[i] || rows_[i].port.isEmpty()) continue;
    const auto named = PortNamed(rows_[i].port, present);
    if (named &&
        (named->path.isEmpty() ? named->number == port.number : DeviceKey(named->path) == key)) {
      return i;
    }
  }
  for (int i = 0; i < rows_.size(); ++i) {
    if (!started_[i] && rows_[i].port.isEmpty()) return i;
  }
  return std::nullopt;
}

bool Provisioner::rowsLeftWithoutPort() const {
  return std::any_of(started_.begin(), started_.end(), [](bool started) { return !started; });
}

bool Provisioner::portBusy(const QString& path) const {
  const QString key = DeviceKey(path);
  return std::any_of(running_.begin(), running_.end(), [&](const auto& running) {
    return running->key == key && !running->job->report().finished();
  });
}

}  // namespace vorlan
