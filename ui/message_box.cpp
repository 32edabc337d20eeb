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

bool AskInBox(QWidget* parent, const QString& text, const QString& yes, const QString& no) {
  QMessageBox box(parent);
  box.setWindowTitle(Text(kMessageTitle));
  box.setIcon(QMessageBox::NoIcon);
  box.setTextFormat(Qt::PlainText);
  box.setText(text);
  box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::No);
  // The build's own words: Qt's are English unless a translation is installed.
  box.button(QMessageBox::Yes)->setText(yes);
  box.button(QMessageBox::No)->setText(no);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
  return box.clickedButton() == box.button(QMessageBox::Yes);
}

}  // namespace vorlan::ui
