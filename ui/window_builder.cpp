#include "ui/window_builder.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <cmath>

#include "ui/fonts.h"
#include "ui/language_data.h"
#include "ui/text_from_start.h"
#include "ui/window_controls.h"
#include "ui/wrapping_controls.h"

namespace vorlan::ui {
namespace {

constexpr double kTwipsPerPixel = 15.0;  // at 96 dots per inch

// Groups, check boxes and buttons read "&" as the mark of an access key; in these captions it is
// meant as the character itself.
QString Literal(QString caption) {
  return caption.replace(QLatin1Char('&'), QLatin1String("&&"));
}

QWidget* CreateControl(const ControlSpec& spec, QWidget* parent) {
  const QString caption = Text(spec.caption);
  switch (spec.kind) {
    case ControlKind::Group:
      return new QGroupBox(Literal(caption), parent);
    case ControlKind::Label: {
      auto* label = new QLabel(caption, parent);
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(true);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      return label;
    }
    case ControlKind::Entry:
      return new QLineEdit(parent);
    case ControlKind::Check:
      return new WrappingCheckBox(Literal(caption), parent);
    case ControlKind::DropDown: {
      auto* box = new QComboBox(parent);
      box->setEditable(true);
      box->setInsertPolicy(QComboBox::NoInsert);  // typed text never joins the list
      // The box keeps the text as typed: no completion, and no case folding onto a list entry
      // (a work mode typed in another case is not that mode).
      box->setCompleter(nullptr);
      ShowPicksFromStart(*box);
      return box;
    }
    case ControlKind::Button:
      return new WrappingButton(Literal(caption), parent);
  }
  return nullptr;
}

FontSpec FontOf(const WindowLayout& layout, std::string_view control) {
  for (const auto& rule : layout.fonts) {
    if (rule.control == control) return rule.font;
  }
  return layout.defaultFont;
}

// A control's accessible name: its caption; for a box, its label (set by NameBoxesAfterLabels); a
// drop-down without a label takes its group's caption; a captionless check box its own name.
QString AccessibleName(const ControlSpec& spec, const QHash<QString, QWidget*>& controls) {
  if (!spec.caption.empty()) return Text(spec.caption);
  if (spec.kind == ControlKind::DropDown) {
    if (auto* group = qobject_cast<QGroupBox*>(controls.value(Text(spec.parent)))) {
      return group->title().replace(QLatin1String("&&"), QLatin1String("&"));
    }
  }
  return Text(spec.name);
}

void NameBoxesAfterLabels(const QHash<QString, QWidget*>& controls) {
  for (const auto& pair : FieldControls()) {
    if (pair.label.empty()) continue;
    auto* label = qobject_cast<QLabel*>(controls.value(Text(pair.label)));
    QWidget* box = controls.value(Text(pair.box));
    if (!label || !box) continue;
    label->setBuddy(box);
    box->setAccessibleName(label->text());
  }
}

}  // namespace

double ScreenScale(const QWidget& window) {
  const QScreen* screen = window.screen();
  return screen ? screen->logicalDotsPerInch() / 96.0 : 1.0;
}

int ToPixels(int twips, double scale) {
  return static_cast<int>(std::lround(twips * scale / kTwipsPerPixel));
}

QRect ToPixels(const Twips& place, double scale) {
  return {ToPixels(place.left, scale), ToPixels(place.top, scale), ToPixels(place.width, scale),
          ToPixels(place.height, scale)};
}

QHash<QString, QWidget*> BuildControls(QWidget& window, const WindowLayout& layout) {
  const double scale = ScreenScale(window);
  window.setWindowTitle(Text(layout.caption));
  window.setFont(MakeFont(layout.defaultFont));
  window.setFixedSize(ToPixels(layout.clientWidth, scale), ToPixels(layout.clientHeight, scale));

  QHash<QString, QWidget*> controls;
  for (const auto& spec : layout.controls) {
    QWidget* parent = spec.parent.empty() ? &window : controls.value(Text(spec.parent), &window);
    QWidget* control = CreateControl(spec, parent);
    control->setObjectName(Text(spec.name));
    control->setFont(MakeFont(FontOf(layout, spec.name)));
    control->setGeometry(ToPixels(spec.place, scale));
    controls.insert(control->objectName(), control);
  }
  for (const auto& spec : layout.controls) {
    controls.value(Text(spec.name))->setAccessibleName(AccessibleName(spec, controls));
  }
  NameBoxesAfterLabels(controls);
  return controls;
}

void ApplyTabOrder(const QHash<QString, QWidget*>& controls, const WindowLayout& layout) {
  QWidget* previous = nullptr;
  for (std::string_view name : layout.tabOrder) {
    QWidget* next = controls.value(Text(name));
    if (!next) continue;
    if (previous) QWidget::setTabOrder(previous, next);
    previous = next;
  }
}

}  // namespace vorlan::ui
