#pragma once
// Where each tracker stands while many are set up, on standard error: on a terminal one line per
// row that has a port, rewritten in place with its progress, and every note printed above those
// lines; elsewhere (a file, a pipe) a plain line for each step a row takes.

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QString>

#include "cli/command_context.h"
#include "provision/provision_job.h"

namespace vorlan::cli {

class ProvisionProgress {
 public:
  ProvisionProgress(const Context& context, int timeoutMs);

  // The row changed: its state, its port or its bytes.
  void show(const JobReport& report);
  // A note, above the rows' lines.
  void say(const QString& text);

 private:
  QString lineOf(const JobReport& report, int columns) const;
  void redraw(const QStringList& above);

  const Context& context_;
  int timeoutMs_;
  bool terminal_;
  QList<JobReport> rows_;     // the rows shown, in the order they first showed
  int drawn_ = 0;             // lines of the rows drawn on the terminal
  QHash<int, QString> said_;  // not on a terminal: each row's last line
  QElapsedTimer lastDraw_;
};

}  // namespace vorlan::cli
