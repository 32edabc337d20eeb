#include "ui/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>

#include "link/reply_handler.h"
#include "link/requests.h"
#include "link/serial_port/port_control.h"
#include "link/serial_port/port_names.h"
#include "link/write_frame.h"
#include "params/factory_reset.h"
#include "params/field_table.h"
#include "params/presets.h"
#include "ui/message_box.h"
#include "ui/text_from_start.h"
#include "ui/window_builder.h"

namespace vorlan::ui {

MainWindow::MainWindow(SerialLink& link, const LanguageData& lang, const WindowLayout& layout,
                       QWidget* parent)
    : QWidget(parent), link_(link), lang_(lang) {
  controls_ = BuildControls(*this, layout);
  ApplyTabOrder(controls_, layout);
  setUpBoxes();
  showInitialValues();
  connectHandlers();
  if (QWidget* callsign = controlOf("Callsign")) callsign->setFocus();
}

MainWindow::~MainWindow() {
  link_.onComm = nullptr;
}

QWidget* MainWindow::controlOf(std::string_view field) const {
  const FieldInfo* info = FindField(field);
  return info ? controls_.value(Text(info->control)) : nullptr;
}

QCheckBox* MainWindow::checkBoxOf(std::string_view field) const {
  return qobject_cast<QCheckBox*>(controlOf(field));
}

QComboBox* MainWindow::portBox() const {
  return qobject_cast<QComboBox*>(controls_.value(QStringLiteral("Combo1")));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  QComboBox* port = portBox();
  if (watched == port && event->type() == QEvent::ToolTip) {
    port->setToolTip(PortMappingLines().join(QLatin1Char('\n')));
  }
  return QWidget::eventFilter(watched, event);
}

QString MainWindow::text(std::string_view field) const {
  QWidget* control = controlOf(field);
  if (auto* entry = qobject_cast<QLineEdit*>(control)) return entry->text();
  if (auto* box = qobject_cast<QComboBox*>(control)) return box->currentText();
  return {};
}

void MainWindow::setText(std::string_view field, const QString& value) {
  QWidget* control = controlOf(field);
  if (auto* entry = qobject_cast<QLineEdit*>(control)) {
    entry->setText(value);
    entry->setCursorPosition(0);  // show the start of a value longer than the box
  } else if (auto* box = qobject_cast<QComboBox*>(control)) {
    // The box holds a text, not a list position; a list text also selects its entry so that the
    // open list shows it.
    const int index = box->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0) box->setCurrentIndex(index);
    box->setEditText(value);
    ShowTextFromStart(*box);
  }
}

bool MainWindow::flag(std::string_view field) const {
  const QCheckBox* box = checkBoxOf(field);
  return box && box->checkState() == Qt::Checked;
}

void MainWindow::setFlag(std::string_view field, bool on) {
  if (QCheckBox* box = checkBoxOf(field)) box->setChecked(on);
}

void MainWindow::showMessage(const QString& text) {
  ShowMessageBox(this, text);
}

void MainWindow::setUpBoxes() {
  for (const auto& info : FieldTable()) {
    if (info.kind != FieldKind::Text || info.maxLength <= 0) continue;
    if (auto* entry = qobject_cast<QLineEdit*>(controlOf(info.name))) {
      entry->setMaxLength(info.maxLength);
    }
  }
  if (auto* workMode = qobject_cast<QComboBox*>(controlOf("WorkMode"))) {
    workMode->addItems(WorkModeList(lang_));
  }
  if (QComboBox* port = portBox()) {
    port->addItems(PortList());
    port->setCurrentIndex(port->findText(Text(kPresetPort)));
    port->setToolTip(PortMappingLines().join(QLatin1Char('\n')));
    port->installEventFilter(this);
  }
}

void MainWindow::showInitialValues() {
  const ParameterSet params = InitialParameters(lang_);
  const SendFields send = InitialSendFields();
  for (const auto& info : FieldTable()) {
    if (info.kind == FieldKind::Flag) {
      setFlag(info.name, *params.flag(info.name));
      continue;
    }
    const QString* value =
        info.role == FieldRole::Parameter ? params.text(info.name) : send.text(info.name);
    if (value) setText(info.name, *value);
  }
}

void MainWindow::connectHandlers() {
  const std::pair<const char*, void (MainWindow::*)()> buttons[] = {
      {"Command6", &MainWindow::Command6_Click}, {"Command7", &MainWindow::Command7_Click},
      {"Command8", &MainWindow::Command8_Click}, {"Command1", &MainWindow::Command1_Click},
      {"Command2", &MainWindow::Command2_Click}, {"Command3", &MainWindow::Command3_Click},
      {"Command4", &MainWindow::Command4_Click},
  };
  for (const auto& [name, handler] : buttons) {
    if (auto* button = qobject_cast<QPushButton*>(controls_.value(QLatin1String(name)))) {
      connect(button, &QPushButton::clicked, this, handler);
    }
  }
  // Only picking an entry opens a port; typing into the box does nothing. Left alone, the editable
  // box takes a typed text that matches an entry as picked when the user presses Enter or leaves
  // the box, even while the window is being destroyed: cut those links.
  if (QComboBox* port = portBox()) {
    disconnect(port->lineEdit(), &QLineEdit::editingFinished, port, nullptr);
    disconnect(port->lineEdit(), &QLineEdit::returnPressed, port, nullptr);
    connect(port, &QComboBox::activated, this, &MainWindow::Combo1_Click);
  }
  link_.onComm = [this] { MSComm1_OnComm(); };
}

void MainWindow::Command6_Click() {
  WriteConfiguration(link_, *this, lang_);
}
void MainWindow::Command7_Click() {
  ReadConfiguration(link_, *this);
}
void MainWindow::Command8_Click() {
  FactoryReset(*this, lang_);
}
void MainWindow::Command1_Click() {
  RequestAbout(link_, *this);
}
void MainWindow::Command2_Click() {
  SendMessage(link_, *this, lang_);
}
void MainWindow::Command3_Click() {
  SendInstruction(link_, *this, lang_);
}

void MainWindow::Command4_Click() {
  ExitProgram(link_);
  close();
  QApplication::quit();
}

void MainWindow::Combo1_Click() {
  if (QComboBox* port = portBox()) SelectPort(link_, *this, port->currentText());
}

void MainWindow::MSComm1_OnComm() {
  OnComm(link_, *this, lang_);
}

}  // namespace vorlan::ui
