#pragma once
// Port > Find the tracker: a dialog that finds the tracker's port in one of two ways. Asking sends
// the About request to each USB-serial port no program holds (and each pinned port) in turn;
// plugging sends nothing: the user unplugs the cable, presses OK and plugs it in again, and the
// port that appears is the tracker's.

#include <QDialog>
#include <QTimer>
#include <optional>

#include "link/finder/port_arrival.h"
#include "link/finder/port_probe.h"
#include "ui/finder_report.h"
#include "ui/language_data.h"

class QLabel;
class QPushButton;

namespace vorlan::ui {

struct FinderSetup {
  PortArrivalWatch::PortSource ports = PortsPresentNow;  // the COM entries with a device now
  int askWaitMs = PortProbe::kWaitMs;                    // each port's time to answer
  int plugWaitMs = 60000;                                // how long a new port is awaited
  int settleMs = 500;  // after a port appears, before it is opened: udev sets its access first
};

class FinderDialog : public QDialog {
  Q_OBJECT

 public:
  // Widgets are named for tests: "askButton", "okButton", "finderProgress".
  FinderDialog(QWidget* parent, const LanguageData& lang, const FinderSetup& setup);

  // What was found, once the dialog ended by asking or plugging; nothing when the user closed it.
  const std::optional<FinderOutcome>& outcome() const { return outcome_; }

  void reject() override;  // Cancel, Escape, the close box: stops asking or waiting

 private:
  void ask();
  void waitForPlug();
  void busy(const QString& progress);  // the ways are closed while one runs
  void finish(const FinderOutcome& outcome);

  const LanguageData& lang_;
  FinderSetup setup_;
  PortProbe probe_;
  PortArrivalWatch watch_;
  QTimer plugTimeout_;
  QTimer settle_;
  QLabel* progress_ = nullptr;
  QPushButton* askButton_ = nullptr;
  QPushButton* okButton_ = nullptr;
  std::optional<FinderOutcome> outcome_;
};

}  // namespace vorlan::ui
