#pragma once
// Turns a window layout table into widgets: one code path for every control of both builds.

#include <QHash>
#include <QRect>
#include <QString>
#include <QWidget>

#include "ui/window_layout.h"

namespace vorlan::ui {

// Pixels per twip-pixel: 1 at 96 logical dots per inch, more on a scaled screen.
double ScreenScale(const QWidget& window);
int ToPixels(int twips, double scale);
QRect ToPixels(const Twips& place, double scale);

// Creates every control of the layout inside its group on `window`: objectName, caption, place,
// font and accessible name; labels become their boxes' buddies. Sets the window's caption and fixed
// client size. Returns the controls by name.
QHash<QString, QWidget*> BuildControls(QWidget& window, const WindowLayout& layout);

// Chains the focus through the controls in the table's order.
void ApplyTabOrder(const QHash<QString, QWidget*>& controls, const WindowLayout& layout);

}  // namespace vorlan::ui
