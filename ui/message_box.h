#pragma once

#include <QString>

class QWidget;

namespace vorlan::ui {

// A modal box with the tool's title, the text as plain text (a device's reply may hold "<"), no
// icon and one OK button; returns when the user has closed it.
void ShowMessageBox(QWidget* parent, const QString& text);

}  // namespace vorlan::ui
