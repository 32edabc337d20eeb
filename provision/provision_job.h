#pragma once
// One tracker set up on one port, as `vorlan_cli write` sets one up: read it (its backup saved
// before anything is written), aim at the device's values, then the template's, then the row's;
// when it already holds them, nothing is written ("already set up"). Else the configuration check
// judges the target (strict: a warning skips the tracker), the write frame goes, and the read-back
// after it is compared field by field. It runs on its session asynchronously, side by side with
// the other trackers' jobs, and reports each step as a value: the front end words it.

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "check/finding.h"
#include "config/config_problem.h"
#include "link/link_failure.h"
#include "link/refusal.h"
#include "link/reply.h"
#include "link/session/device_session.h"
#include "params/field.h"
#include "params/parameter_set.h"
#include "provision/device_table.h"

namespace vorlan {

// A port a tracker is set up on.
struct ProvisionPort {
  QString name;         // as the user named it: "COM3", or a device path
  int number = 0;       // the COM number the session opens it under; 0: the link's own
  QString path;         // the device it leads to; empty when the link's resolver finds it
  QString chip = {};    // the USB adapter's chip ("CH340"); empty when unknown
  QString serial = {};  // the USB adapter's serial number, where it has one

  bool operator==(const ProvisionPort&) const = default;
};

enum class JobState {
  Waiting,            // for its port (to appear), or for its turn
  Reading,            // the read-back before the write
  Writing,            // the write frame
  Checking,           // the read-back after the write, compared with the target
  Done,               // written, and every field came back as written
  AlreadySetUp,       // the device held the target already: nothing was written
  SkippedForWarning,  // strict, and the check warned: nothing was written
  Failed,             // see JobFailure
};

struct JobFailure {
  enum class Kind {
    NoAnswer,       // the device did not answer in time
    OtherKind,      // it answered with a reply of another kind (`reply`)
    Garbled,        // bytes came that are no reply (`received`)
    Refused,        // it refused (`reply`: the refusal's outcome), or did not say "$4" to the write
    PortFailed,     // the port could not be opened or failed under the job (`link`)
    BackupFailed,   // the backup before the write could not be saved (`problem`): nothing written
    TemplateValue,  // a template's or row's value is not of its field's form for this device
                    // (`problem`)
    WriteRefused,   // the write frame cannot carry the target (`refusal`): nothing written
    Mismatch,       // fields that did not come back as written (`mismatched`)
    Stopped,        // the user stopped the run
  };
  Kind kind;
  JobState step;  // the step it failed in: Reading, Writing or Checking; Waiting when stopped
                  // before its tracker had a port
  std::optional<LinkFailure> link = {};
  std::optional<ConfigProblem> problem = {};
  std::optional<Refusal> refusal = {};
  std::optional<Reply> reply = {};
  QByteArray received = {};
  std::vector<Field> mismatched = {};
};

// Where one row stands: what the front ends show in a table line, and the report's line.
struct JobReport {
  int row = 0;              // TableRow::number
  ProvisionPort port = {};  // empty name until the row has a port
  QString devicePath;       // the device the session opened
  JobState state = JobState::Waiting;
  QString callsignBefore;  // the device's, from the first read-back
  QString callsignAfter;   // the device's after the write (the target's once it said "$4"); the
                           // one it holds when nothing was written
  std::optional<JobFailure> failure = {};
  QString backupFile = {};                       // the backup before the write
  std::optional<ConfigProblem> backupNote = {};  // a backup problem that did not stop the job
  Findings findings = {};                        // the check's findings of the target
  int received = 0, expected = 0;                // the current step's bytes

  bool finished() const {
    return state == JobState::Done || state == JobState::AlreadySetUp ||
           state == JobState::SkippedForWarning || state == JobState::Failed;
  }
  // Done or already set up: nothing is left to do for the row.
  bool succeeded() const { return state == JobState::Done || state == JobState::AlreadySetUp; }
};

class ProvisionJob : public QObject {
 public:
  struct Options {
    bool strict = false;       // a warning of the check skips the tracker
    bool backup = true;        // the backup before the write; without it no backup is made
    QString backupFolder;      // empty: the default folder
    QString program, version;  // what saves the backup
  };

  ProvisionJob(DeviceSession& session, const ProvisionTemplate& base, TableRow row,
               ProvisionPort port, Options options);

  // Opens the port and goes through the steps; reports each on onChanged, the last on onFinished.
  void start();
  // Ends the job at once (Failed, Stopped) unless it has finished; a write frame already on its
  // way is not cut off, and is reported as stopped during Writing.
  void stop();

  const JobReport& report() const { return report_; }

  std::function<void(const JobReport& report)> onChanged;
  std::function<void(const JobReport& report)> onFinished;

 private:
  void outcome(const SessionOutcome& outcome);
  void readBefore(const ReadBack& readBack);
  void write();
  void checkAfter(const ReadBack& readBack);
  void setState(JobState state);
  void fail(JobFailure failure);
  void fail(JobFailure::Kind kind);
  void end(JobState state);

  DeviceSession& session_;
  const ProvisionTemplate& base_;
  TableRow row_;
  Options options_;
  JobReport report_;
  ParameterSet target_;
};

}  // namespace vorlan
