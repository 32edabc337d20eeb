#pragma once
// The tool's one window. It shows the presenter's values, each field in the control
// window_controls.h names, reports each edit of the user's and each button press to it. The serial
// link comes from outside so that tests can put a recording link in.

#include <QHash>
#include <QWidget>
#include <array>

#include "link/device_link.h"
#include "ui/check_actions.h"
#include "ui/config_actions.h"
#include "ui/finder_dialog.h"
#include "ui/language_data.h"
#include "ui/provision_dialog.h"
#include "ui/window_controls.h"
#include "ui/window_layout.h"
#include "ui/window_presenter.h"
#include "ui/window_view.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace vorlan::ui {

class MainWindow : public QWidget, public WindowView {
  Q_OBJECT

 public:
  MainWindow(DeviceLink& link, const LanguageData& lang, const WindowLayout& layout,
             QWidget* parent = nullptr);
  ~MainWindow() override;

  // WindowView.
  SendFields sendFields() const override;
  void showParameters(const ParameterSet& params) override;
  void showField(Field field, const ParameterSet& params) override;
  void showSendFields(const SendFields& send) override;
  void showMessage(const QString& text) override;
  void showStatus(const QString& text, const QString& detail, StatusTone tone) override;
  QString shownPort() const override;
  void showCheck(const CheckReport& report) override;
  void openCheckList() override;
  bool ask(const QString& text, const QString& yes, const QString& no) override;

  WindowPresenter& presenter() { return presenter_; }
  // The values the window holds: its presenter's.
  const ParameterSet& parameters() const { return presenter_.values(); }
  ConfigActions& configActions() { return config_; }
  CheckActions& checkActions() { return check_; }

  // Port > Find the tracker: the dialog, then the port it found opened as a pick would, and one
  // message. The window's own port is closed meanwhile, and opened again when nothing was found.
  void findTracker();
  // Where the finder looks and how long it waits; tests put their own ports in.
  void setFinderSetup(const FinderSetup& setup) { finder_ = setup; }

  // Tools > Set up several trackers: the dialog, over the window's values as its template. The
  // window's own port is closed while a run goes, and opened again after.
  void provision();
  // The links the trackers are set up over (main.cpp hands the system's serial link), where the
  // dialog looks for ports and where it keeps backups.
  void setProvisionSetup(const ProvisionSetup& setup) { provision_ = setup; }

 protected:
  // Keeps the port box's tooltip current: the devices present change while the program runs.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void findFieldBoxes();
  QWidget* controlOf(Field field) const;
  QLineEdit* entryOf(Field field) const;
  QCheckBox* checkBoxOf(Field field) const;
  QComboBox* workModeBox() const;
  QComboBox* portBox() const;
  void setUpBoxes();  // entry limits, the two drop-down lists, the port box preset
  void connectHandlers();
  void connectEdits();  // each edit of the user's goes to the presenter
  void press(Button button);
  // The handlers, each named after its control and event: short calls into the presenter, which
  // starts the request on its device session and applies the outcome.
  void Command6_Click() { presenter_.write(); }
  void Command7_Click() { presenter_.read(); }
  void Command8_Click() { presenter_.factoryReset(); }
  void Command1_Click() { presenter_.about(); }
  void Command2_Click() { presenter_.sendMessage(); }
  void Command3_Click() { presenter_.sendInstruction(); }
  void Command4_Click() { exitProgram(); }
  void Combo1_Click();
  void exitProgram();         // EXIT and File > Exit
  void pickPort(int number);  // the entry shown and opened, as the user picks it
  void setStatusTone(StatusTone tone);
  void showText(Field field, const QString& value);
  void putValue(Field field, const ParameterSet& params);  // into the field's control
  void showStatusLine();  // the status text, and the check's summary where there is one
  void markField(Field field, const CheckReport::Mark* mark);
  void recheckWhenShown();

  const LanguageData& lang_;
  WindowPresenter presenter_;
  ConfigActions config_;
  CheckActions check_;
  QHash<QString, QWidget*> controls_;
  std::array<QWidget*, kFieldCount> fieldBoxes_{};
  QLabel* statusLine_ = nullptr;
  QLabel* statusIcon_ = nullptr;  // in the status line, for a warning
  FinderSetup finder_;
  ProvisionSetup provision_;
  QString statusText_, statusDetail_, checkSummary_;
  class FindingsDialog* checkDialog_ = nullptr;
  CheckReport lastCheck_;
  bool checking_ = false;  // the values at start are not checked: nothing has been read or typed
  QList<QMetaObject::Connection> checkTriggers_;  // cut before the boxes go
};

}  // namespace vorlan::ui
