#include "ui/message_box.h"

#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

#include "ui/language_data.h"

namespace vorlan::ui {

void ShowMessageBox(QWidget* parent, const QString& text) {
  QMessageBox box(parent);
  box.setWindowTitle(Text(kMessageTitle));
  box.setIcon(QMessageBox::NoIcon);
  box.setTextFormat(Qt::PlainText);
  box.setText(text);
  box.setStandardButtons(QMessageBox::Ok);
  box.button(QMessageBox::Ok)->setIcon(QIcon());  // some styles put a tick on it
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

}  // namespace vorlan::ui
