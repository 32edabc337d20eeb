#pragma once
// Tools > Set up several trackers: one template (what the window shows, or a configuration file),
// a table of per-tracker values, and the ports to set them up on (the USB-serial ports found, each
// ticked, or one after the other as the trackers are plugged in). A line per tracker shows its
// state as the run goes; the report of the run can be saved as CSV.

#include <QDialog>
#include <QList>
#include <functional>
#include <memory>
#include <optional>

#include "link/discovery/port_names.h"
#include "link/finder/port_arrival.h"
#include "provision/device_table.h"
#include "provision/provisioner.h"
#include "ui/language_data.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace vorlan::ui {

struct ProvisionSetup {
  Provisioner::LinkFactory links;  // the system's serial link, one per port
  std::function<QList<MappedPort>()> ports = [] {
    return PortMapping();
  };                                                       // the ports the list offers
  PortArrivalWatch::PortSource present = PortsPresentNow;  // polled while trackers are plugged in
  int timeoutMs = 5000;                                    // each reply's
  QString backupFolder;                                    // empty: the default folder
};

// What the window shows as a template: every parameter, those the user has not set since the last
// read or open proven the device's.
ProvisionTemplate ShownTemplate(const ParameterSet& values, const std::vector<Field>& deviceFields,
                                const LanguageData& lang);

class ProvisionDialog : public QDialog {
  Q_OBJECT

 public:
  // Widgets are named for tests: "templateShown", "templateFromFile", "templateFile",
  // "tableFile", "portsListed", "portList", "portsPlugged", "trackerTable", "runStatus",
  // "startButton", "stopButton", "saveReportButton". The file dialogs are named
  // "provisionFileDialog".
  ProvisionDialog(QWidget* parent, const LanguageData& lang, ProvisionSetup setup,
                  ProvisionTemplate shown);
  ~ProvisionDialog() override;

  // Told before the first tracker's port opens, and once after the run has ended: the window's
  // own port is closed meanwhile.
  std::function<void()> onRunStarted;
  std::function<void()> onRunEnded;

  bool running() const;
  // One per row of the last run, in the table's order.
  QList<JobReport> reports() const;
  // Writes the report of the last run; says why when it cannot.
  bool saveReport(const QString& path);

  void reject() override;  // Close, Escape, the close box: ends a run first

 private:
  void start();
  void stop();
  void endRunNow();
  void pickTemplateFile();
  void pickTableFile();
  void pickReportFile();
  std::optional<ProvisionTemplate> chosenTemplate();
  std::optional<DeviceTable> chosenTable(const ProvisionTemplate& base);
  QStringList tickedPorts() const;
  void showRows(const QList<TableRow>& rows, const ProvisionTemplate& base);
  void showReport(int index);
  void runEnded();
  void showButtons();
  void tell(const QString& text);

  const LanguageData& lang_;
  ProvisionSetup setup_;
  ProvisionTemplate shown_;
  QList<MappedPort> offered_;  // the ports the list shows, in its order
  std::unique_ptr<Provisioner> run_;
  bool runOpen_ = false;  // between onRunStarted and onRunEnded

  QRadioButton* templateShown_ = nullptr;
  QLineEdit* templateFile_ = nullptr;
  QLineEdit* tableFile_ = nullptr;
  QRadioButton* portsPlugged_ = nullptr;
  QListWidget* portList_ = nullptr;
  QTableWidget* trackers_ = nullptr;
  QLabel* status_ = nullptr;
  QPushButton* start_ = nullptr;
  QPushButton* stop_ = nullptr;
  QPushButton* saveReport_ = nullptr;
};

}  // namespace vorlan::ui
