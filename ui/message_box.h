#pragma once

#include <QString>

class QWidget;

namespace vorlan::ui {

// A modal box with the tool's title, the text as plain text (a device's reply may hold "<"), no
// icon and one OK button; returns when the user has closed it.
void ShowMessageBox(QWidget* parent, const QString& text);

// The same box with two buttons in the build's words; true when the user takes `yes` (Enter),
// false for `no`, Escape or closing it.
bool AskInBox(QWidget* parent, const QString& text, const QString& yes, const QString& no);

}  // namespace vorlan::ui
