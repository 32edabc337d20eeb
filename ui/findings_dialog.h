#pragma once
// The list of the check's findings: field, severity and text, one a row, under the headline. It
// stays open beside the window and follows every new check; a double click on a row takes the user
// to the field.

#include <QDialog>
#include <functional>

#include "ui/language_data.h"
#include "ui/window_view.h"

class QLabel;
class QTableWidget;

namespace vorlan::ui {

class FindingsDialog : public QDialog {
 public:
  // Named "checkDialog"; its list "checkList".
  FindingsDialog(QWidget* parent, const LanguageData& lang);

  void setReport(const CheckReport& report);

  std::function<void(Field)> onPick;  // a row was double-clicked

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QLabel* headline_;
  QTableWidget* list_;
};

}  // namespace vorlan::ui
