#pragma once
// The tool's one window. It shows every field in the control the field table names, hands each
// button press to the logic and shows the logic's messages. The serial link comes from outside so
// that tests can put a recording link in.

#include <QHash>
#include <QWidget>

#include "link/serial_link.h"
#include "params/language_data.h"
#include "params/window_view.h"
#include "ui/window_layout.h"

class QCheckBox;
class QComboBox;

namespace vorlan::ui {

class MainWindow : public QWidget, public WindowView {
  Q_OBJECT

 public:
  MainWindow(SerialLink& link, const LanguageData& lang, const WindowLayout& layout,
             QWidget* parent = nullptr);
  ~MainWindow() override;

  // WindowView: fields by name.
  QString text(std::string_view field) const override;
  void setText(std::string_view field, const QString& value) override;
  bool flag(std::string_view field) const override;
  void setFlag(std::string_view field, bool on) override;
  void showMessage(const QString& text) override;

  // One handler per user action, named after its control and event.
  void Command6_Click();  // Write
  void Command7_Click();  // Read
  void Command8_Click();  // Factory reset
  void Command1_Click();  // About
  void Command2_Click();  // Send message
  void Command3_Click();  // Send instruction
  void Command4_Click();  // EXIT
  void Combo1_Click();    // an entry of the port box was picked
  void MSComm1_OnComm();  // the serial port's receive event

 protected:
  // Keeps the port box's tooltip current: the devices present change while the program runs.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* controlOf(std::string_view field) const;
  QCheckBox* checkBoxOf(std::string_view field) const;
  QComboBox* portBox() const;
  void setUpBoxes();  // entry limits, the two drop-down lists, the port box preset
  void showInitialValues();
  void connectHandlers();

  SerialLink& link_;
  const LanguageData& lang_;
  QHash<QString, QWidget*> controls_;
};

}  // namespace vorlan::ui
