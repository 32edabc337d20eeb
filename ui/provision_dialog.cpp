#include "ui/provision_dialog.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "link/com_ports.h"
#include "params/field_table.h"
#include "params/presets.h"
#include "ui/config_messages.h"
#include "ui/finder_report.h"
#include "ui/message_box.h"
#include "ui/provision_messages.h"

namespace vorlan::ui {
namespace {

enum Column { kRowColumn, kPortColumn, kCallsignColumn, kStateColumn };

bool Sets(const OpenedConfiguration& values, Field field) {
  return std::ranges::find(values.fieldsSet, field) != values.fieldsSet.end();
}

// The callsign a row is to get, as far as the table and the template say it.
QString IntendedCallsign(const TableRow& row, const ProvisionTemplate& base) {
  if (Sets(row.values, Field::Callsign)) return row.values.params.text(Field::Callsign);
  if (Sets(base.values, Field::Callsign)) return base.values.params.text(Field::Callsign);
  return {};
}

QPushButton* Button(const char* name, std::string_view text) {
  auto* button = new QPushButton(Text(text));
  button->setObjectName(QLatin1String(name));
  button->setAutoDefault(false);
  return button;
}

QLineEdit* PathEntry(const char* name) {
  auto* entry = new QLineEdit;
  entry->setObjectName(QLatin1String(name));
  entry->setMinimumWidth(320);
  return entry;
}

// A file picked in a file dialog opened where the last one was picked; empty when cancelled.
QString PickFile(QWidget* parent, const QString& title, const QString& filter,
                 QFileDialog::AcceptMode mode) {
  static QString lastFolder = QDir::homePath();
  QFileDialog dialog(parent, title, lastFolder, filter);
  dialog.setObjectName(QStringLiteral("provisionFileDialog"));
  dialog.setAcceptMode(mode);
  const bool opening = mode == QFileDialog::AcceptOpen;
  dialog.setFileMode(opening ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  if (!opening) dialog.setDefaultSuffix(QStringLiteral("csv"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const QString path = dialog.selectedFiles().constFirst();
  lastFolder = QFileInfo(path).absolutePath();
  return path;
}

}  // namespace

ProvisionTemplate ShownTemplate(const ParameterSet& values, const std::vector<Field>& deviceFields,
                                const LanguageData& lang) {
  ProvisionTemplate shown;
  shown.values.params = values;
  for (const FieldDef& f : ParameterTable()) shown.values.fieldsSet.push_back(f.key);
  shown.values.deviceFields = deviceFields;
  shown.source = Text(lang.provision.templateSource);
  return shown;
}

ProvisionDialog::ProvisionDialog(QWidget* parent, const LanguageData& lang, ProvisionSetup setup,
                                 ProvisionTemplate shown)
    : QDialog(parent), lang_(lang), setup_(std::move(setup)), shown_(std::move(shown)) {
  const ProvisionTexts& t = lang.provision;
  setObjectName(QStringLiteral("provisionDialog"));
  setWindowTitle(Text(t.title));

  // The template: the window's values, or a file.
  auto* templateBox = new QGroupBox(Text(t.templateGroup));
  templateShown_ = new QRadioButton(Text(t.templateWindow));
  templateShown_->setObjectName(QStringLiteral("templateShown"));
  templateShown_->setChecked(true);
  auto* templateFromFile = new QRadioButton(Text(t.templateFile));
  templateFromFile->setObjectName(QStringLiteral("templateFromFile"));
  templateFile_ = PathEntry("templateFile");
  auto* chooseTemplate = Button("chooseTemplate", t.choose);
  auto* templateLayout = new QGridLayout(templateBox);
  templateLayout->addWidget(templateShown_, 0, 0, 1, 3);
  templateLayout->addWidget(templateFromFile, 1, 0);
  templateLayout->addWidget(templateFile_, 1, 1);
  templateLayout->addWidget(chooseTemplate, 1, 2);
  auto* templateWays = new QButtonGroup(this);
  templateWays->addButton(templateShown_);
  templateWays->addButton(templateFromFile);

  auto* tableBox = new QGroupBox(Text(t.tableGroup));
  tableFile_ = PathEntry("tableFile");
  auto* chooseTable = Button("chooseTable", t.choose);
  auto* tableLayout = new QHBoxLayout(tableBox);
  tableLayout->addWidget(tableFile_);
  tableLayout->addWidget(chooseTable);

  // The ports: those found, each with a tick, or one tracker after the other as it is plugged in.
  auto* portsBox = new QGroupBox(Text(t.portsGroup));
  auto* portsListed = new QRadioButton(Text(t.portsListed));
  portsListed->setObjectName(QStringLiteral("portsListed"));
  portsListed->setChecked(true);
  portsPlugged_ = new QRadioButton(Text(t.portsPlugged));
  portsPlugged_->setObjectName(QStringLiteral("portsPlugged"));
  portList_ = new QListWidget;
  portList_->setObjectName(QStringLiteral("portList"));
  for (const MappedPort& port : setup_.ports()) {
    if (!port.onUsb() && !port.pinned) continue;  // a tracker's cable makes a USB-serial port
    offered_ << port;
    auto* item = new QListWidgetItem(PortLineText(port, lang_), portList_);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
  if (offered_.isEmpty()) new QListWidgetItem(Text(t.noPortsFound), portList_);
  portList_->setMaximumHeight(portList_->sizeHintForRow(0) * 5 + 2 * portList_->frameWidth());
  auto* portsLayout = new QVBoxLayout(portsBox);
  portsLayout->addWidget(portsListed);
  portsLayout->addWidget(portList_);
  portsLayout->addWidget(portsPlugged_);
  auto* portWays = new QButtonGroup(this);
  portWays->addButton(portsListed);
  portWays->addButton(portsPlugged_);
  connect(portsListed, &QRadioButton::toggled, portList_, &QWidget::setEnabled);

  trackers_ = new QTableWidget(0, 4);
  trackers_->setObjectName(QStringLiteral("trackerTable"));
  trackers_->setHorizontalHeaderLabels(
      {Text(t.columnRow), Text(t.columnPort), Text(t.columnCallsign), Text(t.columnState)});
  trackers_->verticalHeader()->hide();
  trackers_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  trackers_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  trackers_->horizontalHeader()->setStretchLastSection(true);
  trackers_->setMinimumHeight(160);
  status_ = new QLabel;
  status_->setObjectName(QStringLiteral("runStatus"));
  status_->setTextFormat(Qt::PlainText);
  status_->setWordWrap(true);

  start_ = Button("startButton", t.start);
  stop_ = Button("stopButton", t.stop);
  saveReport_ = Button("saveReportButton", t.saveReport);
  auto* buttons = new QDialogButtonBox;
  buttons->addButton(start_, QDialogButtonBox::ActionRole);
  buttons->addButton(stop_, QDialogButtonBox::ActionRole);
  buttons->addButton(saveReport_, QDialogButtonBox::ActionRole);
  auto* close = Button("closeButton", t.close);
  buttons->addButton(close, QDialogButtonBox::RejectRole);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(templateBox);
  layout->addWidget(tableBox);
  layout->addWidget(portsBox);
  layout->addWidget(trackers_, 1);
  layout->addWidget(status_);
  layout->addWidget(buttons);

  connect(chooseTemplate, &QPushButton::clicked, this, &ProvisionDialog::pickTemplateFile);
  connect(chooseTable, &QPushButton::clicked, this, &ProvisionDialog::pickTableFile);
  connect(start_, &QPushButton::clicked, this, &ProvisionDialog::start);
  connect(stop_, &QPushButton::clicked, this, &ProvisionDialog::stop);
  connect(saveReport_, &QPushButton::clicked, this, &ProvisionDialog::pickReportFile);
  connect(buttons, &QDialogButtonBox::rejected, this, &ProvisionDialog::reject);
  showButtons();
}

ProvisionDialog::~ProvisionDialog() {
  endRunNow();
}

bool ProvisionDialog::running() const {
  return run_ && run_->running();
}

QList<JobReport> ProvisionDialog::reports() const {
  return run_ ? run_->reports() : QList<JobReport>();
}

void ProvisionDialog::pickTemplateFile() {
  const QString path = PickFile(this, Text(lang_.config.openTitle), Text(lang_.config.fileFilter),
                                QFileDialog::AcceptOpen);
  if (path.isEmpty()) return;
  templateFile_->setText(path);
  findChild<QRadioButton*>(QStringLiteral("templateFromFile"))->setChecked(true);
}

void ProvisionDialog::pickTableFile() {
  const QString path = PickFile(this, Text(lang_.provision.tableOpenTitle),
                                Text(lang_.provision.tableFilter), QFileDialog::AcceptOpen);
  if (!path.isEmpty()) tableFile_->setText(path);
}

void ProvisionDialog::pickReportFile() {
  const QString path = PickFile(this, Text(lang_.provision.reportSaveTitle),
                                Text(lang_.provision.reportFilter), QFileDialog::AcceptSave);
  if (!path.isEmpty()) saveReport(path);
}

std::optional<ProvisionTemplate> ProvisionDialog::chosenTemplate() {
  if (templateShown_->isChecked()) return shown_;
  const QString path = templateFile_->text().trimmed();
  if (path.isEmpty()) {
    tell(Text(lang_.provision.noTemplateFile));
    return std::nullopt;
  }
  // Judged against each device, as a file for Write: the device's own codes pass unjudged.
  auto opened = OpenConfiguration(path, InitialParameters(lang_.servers), FormJudging::BySender);
  if (const auto* problem = std::get_if<ConfigProblem>(&opened)) {
    tell(OpenProblemText(*problem, lang_));
    return std::nullopt;
  }
  return ProvisionTemplate{std::get<OpenedConfiguration>(std::move(opened)), path};
}

std::optional<DeviceTable> ProvisionDialog::chosenTable(const ProvisionTemplate& base) {
  const QString path = tableFile_->text().trimmed();
  if (path.isEmpty()) {
    tell(Text(lang_.provision.noTable));
    return std::nullopt;
  }
  auto table = ReadDeviceTable(path, base);
  if (const auto* problems = std::get_if<TableProblems>(&table)) {
    tell(TableProblemsText(path, *problems, lang_));
    return std::nullopt;
  }
  return std::get<DeviceTable>(std::move(table));
}

QStringList ProvisionDialog::tickedPorts() const {
  QStringList names;
  for (int i = 0; i < offered_.size(); ++i) {
    if (portList_->item(i)->checkState() == Qt::Checked) names << PortText(offered_[i].number);
  }
  return names;
}

// Everything is judged before anything is sent: the template, the table, the ports.
void ProvisionDialog::start() {
  if (runOpen_) return;
  const std::optional<ProvisionTemplate> base = chosenTemplate();
  if (!base) return;
  const std::optional<DeviceTable> table = chosenTable(*base);
  if (!table) return;
  const bool plugged = portsPlugged_->isChecked();
  QList<ProvisionPort> ports;
  if (!plugged) {
    const QStringList names = tickedPorts();
    if (names.isEmpty()) return tell(Text(lang_.provision.noPortTicked));
    auto assigned = AssignPorts(table->rows, names, offered_);
    if (const auto* problems = std::get_if<TableProblems>(&assigned)) {
      return tell(TableProblemsText(tableFile_->text().trimmed(), *problems, lang_));
    }
    ports = std::get<QList<ProvisionPort>>(std::move(assigned));
  }

  Provisioner::Options options;
  options.job.backupFolder = setup_.backupFolder;
  options.job.program = QCoreApplication::applicationName();
  options.job.version = QCoreApplication::applicationVersion();
  options.timeoutMs = setup_.timeoutMs;
  options.present = setup_.present;
  run_ = std::make_unique<Provisioner>(*base, table->rows, setup_.links, options);
  showRows(table->rows, *base);
  run_->onChanged = [this](int index) { showReport(index); };
  run_->onAssigned = [this](int index, const ProvisionPort& port) {
    status_->setText(
        Text(lang_.provision.assigned).arg(QString::number(run_->reports()[index].row), port.name));
  };
  run_->onWaitingForTracker = [this] {
    const auto left = std::ranges::count_if(
        run_->reports(), [](const JobReport& r) { return r.port.name.isEmpty(); });
    status_->setText(Text(lang_.provision.plugNext).arg(left));
  };
  // After the provisioner's own step: the window's port may put up a message when it reopens.
  run_->onFinished = [this] { QTimer::singleShot(0, this, &ProvisionDialog::runEnded); };

  runOpen_ = true;
  if (onRunStarted) onRunStarted();  // the window's own port is closed first
  status_->clear();
  plugged ? run_->startAsPlugged() : run_->startOnPorts(ports);
  showButtons();
}

// The jobs end and close their ports from the event loop; the run's end follows them.
void ProvisionDialog::stop() {
  if (running()) run_->stop();
}

// The dialog goes: its run ends now, its ports closed before the window's own opens again.
void ProvisionDialog::endRunNow() {
  if (!runOpen_) return;
  stop();
  run_.reset();
  runEnded();
}

void ProvisionDialog::runEnded() {
  if (!runOpen_) return;
  runOpen_ = false;
  const QList<JobReport> all = reports();
  for (int i = 0; i < all.size(); ++i) showReport(i);
  const auto succeeded = std::ranges::count_if(all, &JobReport::succeeded);
  status_->setText(Text(lang_.provision.finished).arg(succeeded).arg(all.size()));
  if (onRunEnded) onRunEnded();  // the window's own port again
  showButtons();
}

void ProvisionDialog::showRows(const QList<TableRow>& rows, const ProvisionTemplate& base) {
  trackers_->setRowCount(static_cast<int>(rows.size()));
  for (int i = 0; i < rows.size(); ++i) {
    const TableRow& row = rows[i];
    const QStringList cells{QString::number(row.number), row.port, IntendedCallsign(row, base),
                            Text(lang_.provision.states[0])};
    for (int column = 0; column < cells.size(); ++column) {
      trackers_->setItem(i, column, new QTableWidgetItem(cells[column]));
    }
  }
}

void ProvisionDialog::showReport(int index) {
  if (!run_ || index >= trackers_->rowCount()) return;
  const JobReport& report = run_->reports()[index];
  if (!report.port.name.isEmpty()) trackers_->item(index, kPortColumn)->setText(report.port.name);
  if (!report.callsignAfter.isEmpty()) {
    trackers_->item(index, kCallsignColumn)->setText(report.callsignAfter);
  }
  const QString state = StateText(report, setup_.timeoutMs, lang_);
  trackers_->item(index, kStateColumn)->setText(state);
  trackers_->item(index, kStateColumn)->setToolTip(state);
}

void ProvisionDialog::showButtons() {
  const bool busy = runOpen_;
  start_->setEnabled(!busy);
  stop_->setEnabled(busy);
  saveReport_->setEnabled(!busy && run_ != nullptr);
}

bool ProvisionDialog::saveReport(const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(ReportCsv(reports(), setup_.timeoutMs, lang_)) < 0 || !file.commit()) {
    tell(Text(lang_.provision.reportNotSaved).arg(path, file.errorString()));
    return false;
  }
  return true;
}

void ProvisionDialog::reject() {
  endRunNow();
  QDialog::reject();
}

void ProvisionDialog::tell(const QString& text) {
  ShowMessageBox(this, text);
}

}  // namespace vorlan::ui
