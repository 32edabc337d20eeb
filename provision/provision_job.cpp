#include "provision/provision_job.h"

#include <QDateTime>

#include "check/configuration_check.h"
#include "config/backups.h"
#include "config/config_format.h"
#include "config/field_compare.h"
#include "link/requests.h"
#include "link/write_frame.h"

namespace vorlan {
namespace {

using Kind = JobFailure::Kind;

// The callsign as the report shows it: without the filler a device pads a short text with.
QString CallsignOf(const ParameterSet& params) {
  QString callsign = params.text(Field::Callsign);
  while (!callsign.isEmpty() && (callsign.back().isSpace() || callsign.back() == QChar(0))) {
    callsign.chop(1);
  }
  return callsign;
}

}  // namespace

ProvisionJob::ProvisionJob(DeviceSession& session, const ProvisionTemplate& base, TableRow row,
                           ProvisionPort port, Options options)
    : session_(session), base_(base), row_(std::move(row)), options_(std::move(options)) {
  report_.row = row_.number;
  report_.port = std::move(port);
}

void ProvisionJob::start() {
  session_.onOutcome = [this](const SessionOutcome& done) { outcome(done); };
  session_.onProgress = [this](int received, int expected) {
    report_.received = received;
    report_.expected = expected;
    if (onChanged) onChanged(report_);
  };
  session_.onLost = [this](const LinkFailure& failure) {
    if (report_.finished()) return;
    JobFailure lost{Kind::PortFailed, report_.state};
    lost.link = failure;
    fail(lost);
  };
  setState(JobState::Reading);
  const int number = report_.port.number > 0 ? report_.port.number : session_.port();
  if (auto failure = session_.open(number, report_.port.path)) {
    JobFailure failed{Kind::PortFailed, JobState::Reading};
    failed.link = *failure;
    return fail(failed);
  }
  report_.devicePath = session_.devicePath();
  session_.start(ReadRequest());
}

void ProvisionJob::stop() {
  if (report_.finished()) return;
  fail(Kind::Stopped);
}

void ProvisionJob::outcome(const SessionOutcome& done) {
  if (report_.finished()) return;
  const JobState step = report_.state;
  using Session = SessionOutcome::Kind;
  switch (done.kind) {
    case Session::Replied:
      break;
    case Session::Sent:
      return;  // the job sends nothing that awaits no reply
    case Session::NoAnswer:
      return fail(Kind::NoAnswer);
    case Session::Garbled: {
      JobFailure garbled{Kind::Garbled, step};
      garbled.received = done.received;
      return fail(garbled);
    }
    case Session::OtherKind: {
      // Any whole reply to the write but "$4" is the device's refusal.
      JobFailure other{step == JobState::Writing ? Kind::Refused : Kind::OtherKind, step};
      other.reply = done.reply;
      return fail(other);
    }
    case Session::PortFailed: {
      JobFailure failed{Kind::PortFailed, step};
      failed.link = done.failure;
      return fail(failed);
    }
    case Session::Stopped:
      return fail(Kind::Stopped);
  }
  const Reply::Outcome reply = done.reply.outcome;
  if (step == JobState::Writing) {
    if (reply == Reply::Outcome::WriteDone) {
      report_.callsignAfter = CallsignOf(target_);
      setState(JobState::Checking);
      return session_.start(ReadRequest());
    }
    JobFailure refused{Kind::Refused, step};
    refused.reply = done.reply;
    return fail(refused);
  }
  if (reply != Reply::Outcome::ReadBack) {
    JobFailure other{Kind::OtherKind, step};
    other.reply = done.reply;
    return fail(other);
  }
  if (step == JobState::Reading) return readBefore(done.reply.readBack);
  checkAfter(done.reply.readBack);
}

void ProvisionJob::readBefore(const ReadBack& readBack) {
  const ParameterSet device = ReadBackParameters(readBack);
  report_.callsignBefore = CallsignOf(device);
  if (options_.backup) {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const SaveInfo info{options_.program, options_.version, now,
                        ReadOrigin{report_.port.name, report_.devicePath, now}};
    const BackupOutcome backup =
        options_.backupFolder.isEmpty()
            ? SaveBackup(device, info, BackupKind::BeforeWrite)
            : SaveBackup(device, info, BackupKind::BeforeWrite, options_.backupFolder);
    report_.backupFile = backup.path;
    if (backup.path.isEmpty() && backup.problem) {
      JobFailure failed{Kind::BackupFailed, JobState::Reading};
      failed.problem = backup.problem;
      return fail(failed);
    }
    report_.backupNote = backup.problem;
  }

  target_ = TargetOf(device, base_, row_);
  report_.callsignAfter = report_.callsignBefore;  // until the device says "$4"
  // Compared by what would go on the line: a device's filler or code is its value as it is.
  if (DifferingFields(device, target_, AllParameters()).empty()) return end(JobState::AlreadySetUp);
  // A value the device holds is its own; every other value of the user's is judged against it.
  using Judged = std::pair<const OpenedConfiguration*, QString>;
  for (const auto& [values, source] :
       {Judged{&base_.values, base_.source}, Judged{&row_.values, {}}}) {
    if (auto problem = JudgeUserValues(*values, source, device)) {
      JobFailure failed{Kind::TemplateValue, JobState::Reading};
      failed.problem = *problem;
      return fail(failed);
    }
  }
  report_.findings = CheckConfiguration(target_);
  if (options_.strict && WarningCount(report_.findings) > 0) {
    return end(JobState::SkippedForWarning);
  }
  write();
}

void ProvisionJob::write() {
  setState(JobState::Writing);
  const auto request = WriteRequest(target_);
  if (auto* refusal = std::get_if<Refusal>(&request)) {
    JobFailure refused{Kind::WriteRefused, JobState::Writing};
    refused.refusal = *refusal;
    return fail(refused);
  }
  session_.start(std::get<Request>(request));
}

void ProvisionJob::checkAfter(const ReadBack& readBack) {
  report_.callsignAfter = CallsignOf(ReadBackParameters(readBack));
  std::vector<Field> mismatched = MismatchedFields(readBack, target_);
  if (!mismatched.empty()) {
    JobFailure failed{Kind::Mismatch, JobState::Checking};
    failed.mismatched = std::move(mismatched);
    return fail(failed);
  }
  end(JobState::Done);
}

void ProvisionJob::setState(JobState state) {
  report_.state = state;
  report_.received = 0;
  report_.expected = 0;
  if (onChanged) onChanged(report_);
}

void ProvisionJob::fail(JobFailure::Kind kind) {
  fail(JobFailure{kind, report_.state});
}

void ProvisionJob::fail(JobFailure failure) {
  report_.failure = std::move(failure);
  end(JobState::Failed);
}

void ProvisionJob::end(JobState state) {
  report_.state = state;
  // Marked finished first: the Stopped outcome this gives is then no news.
  session_.stop();
  if (onChanged) onChanged(report_);
  // Closed from the event loop: this may run inside the port's own signal.
  QMetaObject::invokeMethod(
      this,
      [this] {
        session_.close();
        if (onFinished) onFinished(report_);
      },
      Qt::QueuedConnection);
}

}  // namespace vorlan
