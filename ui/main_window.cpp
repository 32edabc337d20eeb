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

#include "config/backups.h"
#include "link/serial_port/port_names.h"
#include "params/field_table.h"
#include "params/presets.h"
#include "ui/menu_bar.h"
#include "ui/message_box.h"
#include "ui/text_from_start.h"
#include "ui/window_builder.h"

namespace vorlan::ui {

MainWindow::MainWindow(SerialLink& link, const LanguageData& lang, const WindowLayout& layout,
                       QWidget* parent)
    : QWidget(parent),
      link_(link),
      lang_(lang),
      actions_(*this, link, lang),
      config_(*this, link, lang, DefaultBackupFolder()) {
  // The controls go into a client area below the menu bar, at the places the layout gives.
  QMenuBar* menuBar = BuildMenuBar(*this, lang_, config_, [this] { exitProgram(); });
  controls_ = BuildControls(*PlaceBelowMenuBar(*this, menuBar), layout);
  setWindowTitle(Text(layout.caption));
  ApplyTabOrder(controls_, layout);
  setUpBoxes();
  statusLine_ = qobject_cast<QLabel*>(controls_.value(Text(layout.statusLine)));
  if (statusLine_) statusLine_->setWordWrap(false);  // one line; the tooltip holds the rest
  showParameters(InitialParameters(lang_.values));
  showSendFields(InitialSendFields());
  connectHandlers();
  actions_.status().showPort();
  if (QWidget* callsign = controlOf(Field::Callsign)) callsign->setFocus();
}

MainWindow::~MainWindow() {
  link_.onComm = nullptr;
}

QWidget* MainWindow::controlOf(Field field) const {
  return controls_.value(Text(Def(field).control));
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
  return qobject_cast<QComboBox*>(controls_.value(QStringLiteral("Combo1")));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  QComboBox* port = portBox();
  if (watched == port && event->type() == QEvent::ToolTip) {
    port->setToolTip(PortMappingLines().join(QLatin1Char('\n')));
  }
  return QWidget::eventFilter(watched, event);
}

ParameterSet MainWindow::parameters() const {
  ParameterSet params;
  for (const auto& f : ParameterTable()) {
    switch (f.kind) {
      case FieldKind::Text:
        if (QLineEdit* entry = entryOf(f.key)) params.setText(f.key, entry->text());
        break;
      case FieldKind::Flag:
        if (QCheckBox* box = checkBoxOf(f.key)) {
          params.setFlag(f.key, box->checkState() == Qt::Checked);
        }
        break;
      case FieldKind::WorkMode:
        if (QComboBox* box = workModeBox()) params.setText(f.key, box->currentText());
        break;
    }
  }
  return params;
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
    if (!IsParameter(f)) continue;
    if (Def(f).kind == FieldKind::Flag) {
      if (QCheckBox* box = checkBoxOf(f)) box->setChecked(params.flag(f));
    } else {
      showText(f, params.text(f));
    }
  }
}

void MainWindow::showSendFields(const SendFields& send) {
  for (Field f : ShowOrder()) {
    if (!IsParameter(f)) showText(f, send.text(f));
  }
}

void MainWindow::showMessage(const QString& text) {
  ShowMessageBox(this, text);
}

void MainWindow::showStatus(const QString& text, const QString& detail) {
  if (!statusLine_) return;
  const QFontMetrics metrics(statusLine_->font());
  statusLine_->setText(metrics.elidedText(text, Qt::ElideMiddle, statusLine_->width()));
  statusLine_->setToolTip(detail.isEmpty() ? text : detail);
}

void MainWindow::setUpBoxes() {
  for (const auto& f : FieldTable()) {
    if (f.kind != FieldKind::Text) continue;
    if (QLineEdit* entry = entryOf(f.key)) entry->setMaxLength(f.maxLength);
  }
  if (QComboBox* workMode = workModeBox()) workMode->addItems(WorkModeList(lang_.values));
  if (QComboBox* port = portBox()) {
    port->addItems(PortList());
    port->setCurrentIndex(port->findText(Text(kPresetPort)));
    port->setToolTip(PortMappingLines().join(QLatin1Char('\n')));
    port->installEventFilter(this);
  }
}

void MainWindow::connectHandlers() {
  const std::pair<const char*, void (WindowActions::*)()> buttons[] = {
      {"Command6", &WindowActions::write},        {"Command7", &WindowActions::read},
      {"Command8", &WindowActions::factoryReset}, {"Command1", &WindowActions::about},
      {"Command2", &WindowActions::sendMessage},  {"Command3", &WindowActions::sendInstruction},
  };
  for (const auto& [name, action] : buttons) {
    if (auto* button = qobject_cast<QPushButton*>(controls_.value(QLatin1String(name)))) {
      connect(button, &QPushButton::clicked, this,
              [this, action = action] { (actions_.*action)(); });
    }
  }
  if (auto* exit = qobject_cast<QPushButton*>(controls_.value(QStringLiteral("Command4")))) {
    connect(exit, &QPushButton::clicked, this, [this] { exitProgram(); });
  }
  // Only picking an entry opens a port; typing into the box does nothing. Left alone, the editable
  // box takes a typed text that matches an entry as picked when the user presses Enter or leaves
  // the box, even while the window is being destroyed: cut those links.
  if (QComboBox* port = portBox()) {
    disconnect(port->lineEdit(), &QLineEdit::editingFinished, port, nullptr);
    disconnect(port->lineEdit(), &QLineEdit::returnPressed, port, nullptr);
    connect(port, &QComboBox::activated, this,
            [this, port] { actions_.selectPort(port->currentText()); });
  }
  link_.onComm = [this] { actions_.receive(); };
  actions_.backUpReadBack = [this](const ParameterSet& readBack) {
    return config_.backUp(readBack);
  };
  config_.deviceValuesShown = [this] { actions_.takeShownAsDeviceValues(); };
}

void MainWindow::exitProgram() {
  actions_.exit();
  close();
  QApplication::quit();
}

}  // namespace vorlan::ui
