#include "ui/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

#include "config/backups.h"
#include "link/com_ports.h"
#include "link/discovery/port_names.h"
#include "params/field_table.h"
#include "params/presets.h"
#include "ui/findings_dialog.h"
#include "ui/menu_bar.h"
#include "ui/message_box.h"
#include "ui/text_from_start.h"
#include "ui/window_builder.h"
#include "ui/window_controls.h"
#include "ui/work_modes.h"

namespace vorlan::ui {
namespace {

// The marks of a field with a finding: a warm colour for a warning, a cool one for a note.
const QColor kWarningColour(0xFF, 0xD8, 0x8C);
const QColor kNoteColour(0xD4, 0xE6, 0xFF);

}  // namespace

MainWindow::MainWindow(DeviceLink& link, const LanguageData& lang, const WindowLayout& layout,
                       QWidget* parent)
    : QWidget(parent),
      lang_(lang),
      presenter_(*this, link, lang, DefaultBackupFolder()),
      config_(*this, presenter_, lang, DefaultBackupFolder()),
      check_(*this, presenter_, lang) {
  // The controls go into a client area below the menu bar, at the places the layout gives.
  QMenuBar* menuBar = BuildMenuBar(
      *this, lang_, config_, check_, [this] { exitProgram(); }, [this] { findTracker(); },
      [this] { provision(); });
  controls_ = BuildControls(*PlaceBelowMenuBar(*this, menuBar), layout);
  findFieldBoxes();
  setWindowTitle(Text(layout.caption));
  ApplyTabOrder(controls_, layout);
  setUpBoxes();
  statusLine_ = qobject_cast<QLabel*>(controls_.value(Text(layout.statusLine)));
  if (statusLine_) {
    statusLine_->setWordWrap(false);  // one line; the tooltip holds the rest
    statusIcon_ = new QLabel(statusLine_);
    statusIcon_->setObjectName(QStringLiteral("statusIcon"));
    const int side = statusLine_->height();
    statusIcon_->setGeometry(0, 0, side, side);
    statusIcon_->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(side, side));
    statusIcon_->hide();
  }
  showParameters(presenter_.values());
  showSendFields(InitialSendFields());
  connectHandlers();
  presenter_.status().showPort();
  if (QWidget* callsign = controlOf(Field::Callsign)) callsign->setFocus();
  checking_ = true;
}

MainWindow::~MainWindow() {
  // A box that loses the focus while the window is destroyed still says it was left.
  checking_ = false;
  for (const auto& trigger : checkTriggers_) disconnect(trigger);
}

// Each field's box, looked up once. A layout that lacks one is a fault of the build, not of the
// user: a debug build stops at start, and any build says which box is missing.
void MainWindow::findFieldBoxes() {
  for (const auto& f : FieldControls()) {
    QWidget* box = controls_.value(Text(f.box));
    if (!box) qCritical("The window's layout has no control %s", f.box.data());
    Q_ASSERT_X(box, "MainWindow", "the layout lacks a field's box");
    fieldBoxes_[static_cast<std::size_t>(Index(f.field))] = box;
  }
}

QWidget* MainWindow::controlOf(Field field) const {
  return fieldBoxes_[static_cast<std::size_t>(Index(field))];
}

QLineEdit* MainWindow::entryOf(Field field) const {
  return qobject_cast<QLineEdit*>(controlOf(field));
}

QCheckBox* MainWindow::checkBoxOf(Field field) const {
  return qobject_cast<QCheckBox*>(controlOf(field));
}

QComboBox* MainWindow::workModeBox() const {
  return qobject_cast<QComboBox*>(controlOf(Field::WorkMode));
}

QComboBox* MainWindow::portBox() const {
  return qobject_cast<QComboBox*>(controls_.value(Text(kPortBox)));
}

namespace {

// The port box's tooltip: one line for each COM number that leads to a device.
QString PortMappingTip(const LanguageData& lang) {
  QStringList lines;
  for (const MappedPort& port : PortMapping()) lines << PortLineText(port, lang);
  return lines.join(QLatin1Char('\n'));
}

// A tooltip that wraps at a readable width: Qt wraps a rich-text tooltip, never a plain one.
QString WrappedTip(const QString& text) {
  return QStringLiteral("<p>") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

}  // namespace

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  QComboBox* port = portBox();
  if (watched == port && event->type() == QEvent::ToolTip) port->setToolTip(PortMappingTip(lang_));
  return QWidget::eventFilter(watched, event);
}

SendFields MainWindow::sendFields() const {
  SendFields send;
  for (Field f : {Field::HisCallsign, Field::HisPassword, Field::Instruction, Field::Message}) {
    if (QLineEdit* entry = entryOf(f)) send.setText(f, entry->text());
  }
  return send;
}

void MainWindow::showText(Field field, const QString& value) {
  if (QLineEdit* entry = entryOf(field)) {
    entry->setText(value);
    entry->setCursorPosition(0);  // show the start of a value longer than the box
  } else if (QComboBox* box = qobject_cast<QComboBox*>(controlOf(field))) {
    // The box holds a text, not a list position; a list text also selects its entry so that the
    // open list shows it.
    const int index = box->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0) box->setCurrentIndex(index);
    box->setEditText(value);
    ShowTextFromStart(*box);
  }
}

void MainWindow::showParameters(const ParameterSet& params) {
  for (Field f : ShowOrder()) {
    if (IsParameter(f)) putValue(f, params);
  }
  recheckWhenShown();
}

void MainWindow::showField(Field field, const ParameterSet& params) {
  putValue(field, params);
  recheckWhenShown();
}

void MainWindow::putValue(Field field, const ParameterSet& params) {
  switch (Def(field).kind) {
    case FieldKind::Flag:
      if (QCheckBox* box = checkBoxOf(field)) box->setChecked(params.flag(field));
      break;
    case FieldKind::Text:
      showText(field, params.text(field));
      break;
    case FieldKind::WorkMode:
      // A code outside the list leaves the box alone.
      if (const auto text = WorkModeText(params.workMode(), lang_)) showText(field, *text);
      break;
  }
}

void MainWindow::showSendFields(const SendFields& send) {
  for (Field f : ShowOrder()) {
    if (!IsParameter(f)) showText(f, send.text(f));
  }
  recheckWhenShown();
}

// Values read, opened, reset or filled in: the marks follow them at once.
void MainWindow::recheckWhenShown() {
  if (checking_) check_.recheck();
}

void MainWindow::showMessage(const QString& text) {
  ShowMessageBox(this, text);
}

void MainWindow::showStatus(const QString& text, const QString& detail, StatusTone tone) {
  statusText_ = text;
  statusDetail_ = detail;
  if (statusLine_) setStatusTone(tone);
  showStatusLine();
}

void MainWindow::showStatusLine() {
  if (!statusLine_) return;
  const QString whole = statusDetail_.isEmpty() ? statusText_ : statusDetail_;
  const QFontMetrics metrics(statusLine_->font());
  const int lineWidth = statusLine_->contentsRect().width();
  if (checkSummary_.isEmpty()) {
    statusLine_->setText(metrics.elidedText(statusText_, Qt::ElideMiddle, lineWidth));
    statusLine_->setToolTip(WrappedTip(whole));
    return;
  }
  // The summary stands at the end. Where both do not fit, the status text gives way first, but
  // keeps a quarter of the line; the summary then loses the last of its fields.
  const QString separator = QStringLiteral("  |  ");
  const int width = lineWidth - metrics.horizontalAdvance(separator);
  const int statusNeeds = metrics.horizontalAdvance(statusText_);
  const int summaryRoom = std::max(width * 3 / 4, width - statusNeeds);
  const QString summary = metrics.elidedText(checkSummary_, Qt::ElideRight, summaryRoom);
  const int statusRoom = std::max(0, width - metrics.horizontalAdvance(summary));
  statusLine_->setText(metrics.elidedText(statusText_, Qt::ElideMiddle, statusRoom) + separator +
                       summary);
  statusLine_->setToolTip(WrappedTip(whole) + WrappedTip(checkSummary_));
}

void MainWindow::showCheck(const CheckReport& report) {
  for (const auto& f : FieldTable()) {
    if (f.kind != FieldKind::Text) continue;
    const auto mark = std::find_if(report.marks.begin(), report.marks.end(),
                                   [&](const CheckReport::Mark& m) { return m.field == f.key; });
    markField(f.key, mark == report.marks.end() ? nullptr : &*mark);
  }
  checkSummary_ = report.summary;
  showStatusLine();
  lastCheck_ = report;
  if (checkDialog_) checkDialog_->setReport(report);
}

// A marked box takes the colour of its worst finding and shows its findings as its tooltip.
void MainWindow::markField(Field field, const CheckReport::Mark* mark) {
  QLineEdit* entry = entryOf(field);
  if (!entry) return;
  if (!mark) {
    entry->setPalette(QPalette());  // back to the window's own colours
    entry->setToolTip({});
    entry->setAccessibleDescription({});
    entry->setProperty("checkSeverity", QString());
    return;
  }
  const bool warning = mark->severity == Severity::Warning;
  QPalette palette = entry->palette();
  palette.setColor(QPalette::Base, warning ? kWarningColour : kNoteColour);
  palette.setColor(QPalette::Text, Qt::black);
  entry->setPalette(palette);
  QString tip;  // a paragraph for each finding
  for (const QString& finding : mark->text.split('\n')) tip += WrappedTip(finding);
  entry->setToolTip(tip);
  entry->setAccessibleDescription(mark->text);
  entry->setProperty("checkSeverity", Utf8(SeverityName(mark->severity)));
}

void MainWindow::openCheckList() {
  if (!checkDialog_) {
    checkDialog_ = new FindingsDialog(this, lang_);
    checkDialog_->onPick = [this](Field field) {
      activateWindow();
      if (QWidget* control = controlOf(field)) control->setFocus(Qt::OtherFocusReason);
    };
    checkDialog_->setReport(lastCheck_);
  }
  checkDialog_->show();
  checkDialog_->raise();
  checkDialog_->activateWindow();
}

bool MainWindow::ask(const QString& text, const QString& yes, const QString& no) {
  return AskInBox(this, text, yes, no);
}

// A warning stands out: dark red on pale yellow, after a warning icon.
void MainWindow::setStatusTone(StatusTone tone) {
  const bool warning = tone == StatusTone::Warning;
  statusIcon_->setVisible(warning);
  // A margin, not an indent: a label's indent also applies to its top edge.
  statusLine_->setContentsMargins(warning ? statusIcon_->width() + 2 : 0, 0, 0, 0);
  statusLine_->setAutoFillBackground(warning);
  QPalette colours = palette();
  if (warning) {
    colours.setColor(QPalette::WindowText, QColor(0x9c, 0x1c, 0x00));
    colours.setColor(QPalette::Window, QColor(0xff, 0xf0, 0xb3));
  }
  statusLine_->setPalette(colours);
}

QString MainWindow::shownPort() const {
  QComboBox* port = portBox();
  return port ? port->currentText() : QString();
}

void MainWindow::findTracker() {
  DeviceSession& session = presenter_.session();
  const int wasOpen = session.isOpen() ? session.port() : 0;
  presenter_.closePort();  // the finder asks and watches the ports itself
  FinderDialog dialog(this, lang_, finder_);
  dialog.exec();
  const std::optional<FinderOutcome>& outcome = dialog.outcome();
  if (outcome && outcome->found) {
    pickPort(outcome->found->number);
    if (session.isOpen()) showMessage(outcome->message);  // else the pick said what failed
    return;
  }
  if (wasOpen > 0) pickPort(wasOpen);  // the window as it was
  if (outcome) showMessage(outcome->message);
}

void MainWindow::provision() {
  std::vector<Field> deviceFields;  // what the user has not set is the device's
  for (const auto& f : ParameterTable()) {
    if (!presenter_.userSet(f.key)) deviceFields.push_back(f.key);
  }
  ProvisionSetup setup = provision_;
  if (setup.backupFolder.isEmpty()) setup.backupFolder = config_.backupFolder();
  DeviceSession& session = presenter_.session();
  int wasOpen = 0;  // outlives the dialog, which may end a run as it goes
  ProvisionDialog dialog(this, lang_, setup,
                         ShownTemplate(presenter_.values(), deviceFields, lang_));
  dialog.onRunStarted = [&] {
    wasOpen = session.isOpen() ? session.port() : 0;
    presenter_.closePort();  // each tracker's port is the run's
  };
  dialog.onRunEnded = [&] {
    if (wasOpen > 0) pickPort(wasOpen);
  };
  dialog.exec();
}

void MainWindow::pickPort(int number) {
  QComboBox* port = portBox();
  if (!port) return;
  port->setCurrentIndex(port->findText(PortText(number)));
  presenter_.selectPort(PortText(number));
}

void MainWindow::setUpBoxes() {
  for (const auto& f : FieldTable()) {
    if (f.kind != FieldKind::Text) continue;
    if (QLineEdit* entry = entryOf(f.key)) entry->setMaxLength(f.maxLength);
  }
  if (QComboBox* workMode = workModeBox()) workMode->addItems(WorkModeList(lang_));
  if (QComboBox* port = portBox()) {
    for (int n = 1; n <= kComPortCount; ++n) port->addItem(PortText(n));
    port->setCurrentIndex(port->findText(Text(kPortBoxStart)));
    port->setToolTip(PortMappingTip(lang_));
    port->installEventFilter(this);
  }
}

void MainWindow::connectHandlers() {
  for (const auto& [which, name] : kButtons) {
    auto* button = qobject_cast<QPushButton*>(controls_.value(Text(name)));
    Q_ASSERT_X(button, "MainWindow", "the layout lacks a button");
    if (button)
      connect(button, &QPushButton::clicked, this, [this, which = which] { press(which); });
  }
  // Only picking an entry opens a port; typing into the box does nothing. Left alone, the editable
  // box takes a typed text that matches an entry as picked when the user presses Enter or leaves
  // the box, even while the window is being destroyed: cut those links.
  if (QComboBox* port = portBox()) {
    disconnect(port->lineEdit(), &QLineEdit::editingFinished, port, nullptr);
    disconnect(port->lineEdit(), &QLineEdit::returnPressed, port, nullptr);
    connect(port, &QComboBox::activated, this, &MainWindow::Combo1_Click);
  }
  connectEdits();  // before the check, which reads the presenter's values
  // The check runs when the user leaves a box he has typed into, or ticks a check box.
  for (const auto& f : FieldTable()) {
    if (QLineEdit* entry = entryOf(f.key)) {
      checkTriggers_ << connect(entry, &QLineEdit::editingFinished, this, [this, entry] {
        if (!entry->isModified()) return;
        entry->setModified(false);
        check_.recheck();
      });
    } else if (QCheckBox* box = checkBoxOf(f.key)) {
      checkTriggers_ << connect(box, &QCheckBox::clicked, this, [this] { check_.recheck(); });
    }
  }
}

// Only what the user does counts as an edit: typing (not a text the window puts in), a pick from
// the work-mode list (also of the entry shown) and each click on a tick box.
void MainWindow::connectEdits() {
  for (const auto& f : FieldTable()) {
    if (!IsParameter(f.key)) continue;
    if (QLineEdit* entry = entryOf(f.key)) {
      connect(entry, &QLineEdit::textEdited, this,
              [this, entry, field = f.key] { presenter_.typeText(field, entry->text()); });
    } else if (QCheckBox* box = checkBoxOf(f.key)) {
      connect(box, &QCheckBox::clicked, this,
              [this, field = f.key](bool on) { presenter_.tick(field, on); });
    }
  }
  if (QComboBox* box = workModeBox()) {
    const auto chosen = [this, box] { presenter_.chooseWorkMode(box->currentText()); };
    connect(box, &QComboBox::activated, this, chosen);
    if (box->lineEdit()) connect(box->lineEdit(), &QLineEdit::textEdited, this, chosen);
  }
}

void MainWindow::press(Button button) {
  switch (button) {
    case Button::Write:
      return Command6_Click();
    case Button::Read:
      return Command7_Click();
    case Button::FactoryReset:
      return Command8_Click();
    case Button::About:
      return Command1_Click();
    case Button::SendMessage:
      return Command2_Click();
    case Button::SendInstruction:
      return Command3_Click();
    case Button::Exit:
      return Command4_Click();
  }
}

void MainWindow::Combo1_Click() {
  if (QComboBox* port = portBox()) presenter_.selectPort(port->currentText());
}

void MainWindow::exitProgram() {
  presenter_.exit();
  close();
  QApplication::quit();
}

}  // namespace vorlan::ui
