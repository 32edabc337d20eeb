// Every caption stands whole in its control, in both builds, with the faces this machine resolves;
// those faces are the design's own or their stand-ins, never a fallback that draws empty boxes.
// The window is built from the layout tables alone, as the programs build it.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QTextLayout>
#include <optional>

#include "ui/fonts.h"
#include "ui/lang/en/en_layout.h"
#include "ui/lang/zh/zh_layout.h"
#include "ui/language_data.h"
#include "ui/text_from_start.h"
#include "ui/window_builder.h"
#include "ui/wrapping_controls.h"

namespace vorlan::test {
namespace {

struct Layout {
  std::string name;
  const ui::WindowLayout& (*table)();
  friend void PrintTo(const Layout& layout, std::ostream* os) { *os << layout.name; }
};

std::string Show(const QRect& r) {
  return QStringLiteral("%1x%2 at %3,%4")
      .arg(r.width())
      .arg(r.height())
      .arg(r.x())
      .arg(r.y())
      .toStdString();
}

// What a caption needs and where it has to stand, as the control draws it.
struct Caption {
  QString text;  // with its line breaks, "&&" for "&"
  QRect area;
  int flags;
};

// A group's title stands on one line in the frame's top edge.
QRect GroupTitleArea(const QGroupBox& group) {
  QStyleOptionGroupBox option;
  option.initFrom(&group);
  option.text = group.title();
  option.textAlignment = group.alignment();
  option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
  return group.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel,
                                       &group);
}

std::optional<Caption> CaptionOf(QWidget* control) {
  if (auto* label = qobject_cast<QLabel*>(control)) {
    return Caption{label->text(), label->contentsRect(),
                   int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0)};
  }
  if (auto* button = dynamic_cast<ui::WrappingButton*>(control)) {
    return Caption{button->shownCaption(), button->captionArea(),
                   Qt::AlignCenter | ui::kCaptionFlags};
  }
  if (auto* check = dynamic_cast<ui::WrappingCheckBox*>(control)) {
    return Caption{check->shownCaption(), check->captionArea(),
                   Qt::AlignLeft | Qt::AlignVCenter | ui::kCaptionFlags};
  }
  if (auto* group = qobject_cast<QGroupBox*>(control)) {
    // The title's own area is as wide as its text: it has to lie within the group.
    return Caption{group->title(), group->rect().intersected(GroupTitleArea(*group)),
                   Qt::AlignLeft | Qt::TextShowMnemonic};
  }
  return std::nullopt;
}

ui::FontSpec FontOf(const ui::WindowLayout& layout, std::string_view control) {
  for (const auto& rule : layout.fonts) {
    if (rule.control == control) return rule.font;
  }
  return layout.defaultFont;
}

class CaptionFitTest : public testing::TestWithParam<Layout> {
 protected:
  void SetUp() override {
    controls = ui::BuildControls(window, layout());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  }
  const ui::WindowLayout& layout() const { return GetParam().table(); }
  bool chinese() const { return GetParam().name == "zh"; }

  QWidget window;
  QHash<QString, QWidget*> controls;
};

TEST_P(CaptionFitTest, EveryControlIsDrawnInItsDesignFaceOrAStandIn) {
  for (const auto& spec : layout().controls) {
    const ui::FontSpec face = FontOf(layout(), spec.name);
    const QStringList accepted = ui::StandInFaces(face.face) << Text(face.face);
    // "P052 [urw]": the family, then the foundry where several ship one family.
    const QString resolved =
        QFontInfo(controls.value(Text(spec.name))->font()).family().section(" [", 0, 0);
    EXPECT_TRUE(accepted.contains(resolved))
        << spec.name << " asks for " << face.face << " and gets " << resolved.toStdString();
  }
}

TEST_P(CaptionFitTest, EveryCharacterOfEveryCaptionHasAGlyph) {
  for (const auto& spec : layout().controls) {
    QWidget* control = controls.value(Text(spec.name));
    const std::optional<Caption> caption = CaptionOf(control);
    if (!caption) continue;
    QTextLayout text(QString(caption->text).replace("&&", "&"), control->font());
    text.beginLayout();
    text.createLine();
    text.endLayout();
    for (const QGlyphRun& run : text.glyphRuns()) {
      // Glyph 0 is the face's "missing character" box.
      EXPECT_FALSE(run.glyphIndexes().contains(0)) << spec.name << " \"" << spec.caption << "\" in "
                                                   << run.rawFont().familyName().toStdString();
    }
  }
}

TEST_P(CaptionFitTest, EveryCaptionFitsItsControl) {
  int captions = 0;
  int expected = 0;
  for (const auto& spec : layout().controls) {
    QWidget* control = controls.value(Text(spec.name));
    const std::optional<Caption> caption = CaptionOf(control);
    expected += !spec.caption.empty();
    if (!caption || caption->text.isEmpty()) continue;
    ++captions;
    const QRect needed =
        control->fontMetrics().boundingRect(caption->area, caption->flags, caption->text);
    EXPECT_TRUE(caption->area.contains(needed)) << spec.name << " \"" << spec.caption << "\" needs "
                                                << Show(needed) << ", has " << Show(caption->area);
  }
  EXPECT_EQ(captions, expected);
}

// A caption too long for one line breaks between words, into lines of even width.
TEST_P(CaptionFitTest, ButtonCaptionsBreakBetweenWords) {
  const std::pair<const char*, const char*> rows[] = {
      {"Command3", chinese() ? "发送\n指令" : "Send\ninstruction"},
      {"Command2", chinese() ? "发送\n消息" : "Send\nmassage"},
      {"Command6", chinese() ? "写入配置" : "Write"},
      {"Command8", chinese() ? "出厂配置" : "Factory\nreset"},
  };
  for (const auto& [name, shown] : rows) {
    auto* button = dynamic_cast<ui::WrappingButton*>(controls.value(name));
    ASSERT_NE(button, nullptr) << name;
    EXPECT_EQ(button->shownCaption(), QString::fromUtf8(shown)) << name;
  }
}

// The work-mode box is narrower than its longest entry: whichever way its text is set, it shows
// the text's start; the user's typing keeps the cursor where the user puts it.
TEST_P(CaptionFitTest, WorkModeBoxShowsItsTextFromTheStart) {
  auto* box = qobject_cast<QComboBox*>(controls.value("Combo9"));
  ASSERT_NE(box, nullptr);
  const QString longest = chinese() ? "频道12轮流收发" : "CH1or2 TX/RX";
  box->addItems({"x", longest, longest + " ", "y"});

  box->setCurrentIndex(1);  // picked from the list
  EXPECT_EQ(box->lineEdit()->cursorPosition(), 0);

  box->lineEdit()->setCursorPosition(3);
  box->setEditText(longest);  // set by the program: the same text again moves the cursor
  ui::ShowTextFromStart(*box);
  EXPECT_EQ(box->lineEdit()->cursorPosition(), 0);

  box->setFocus();
  box->lineEdit()->end(false);
  QTest::keyClicks(box->lineEdit(), "ab");
  EXPECT_EQ(box->currentText(), longest + "ab");
  EXPECT_EQ(box->lineEdit()->cursorPosition(), longest.size() + 2);

  box->showPopup();
  box->view()->setCurrentIndex(box->model()->index(2, 0));
  QTest::keyClick(box->view(), Qt::Key_Return);
  EXPECT_EQ(box->currentText(), longest + " ");
  EXPECT_EQ(box->lineEdit()->cursorPosition(), 0);
}

// Every entry of the work-mode list stands whole in the box: moving the cursor from its start to
// its end scrolls nothing, the cursor moves by the text's whole width.
TEST_P(CaptionFitTest, WorkModeBoxShowsEveryEntryWhole) {
  auto* box = qobject_cast<QComboBox*>(controls.value("Combo9"));
  ASSERT_NE(box, nullptr);
  const QStringList entries =
      chinese() ? QStringList{"关闭", "频道1收发", "频道2收发", "频道12轮流收发", "频道1发2收"}
                : QStringList{"Disable", "CH1 TX/RX", "CH2 TX/RX", "CH1or2 TX/RX", "CH1TX CH2RX"};
  box->addItems(entries);
  QLineEdit* edit = box->lineEdit();
  const auto cursorAt = [edit](int position) {
    edit->setCursorPosition(position);
    edit->repaint();  // the box scrolls its text as it paints
    return edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
  };
  for (int i = 0; i < entries.size(); ++i) {
    box->setCurrentIndex(i);
    const int width = edit->fontMetrics().horizontalAdvance(entries[i]);
    EXPECT_EQ(cursorAt(int(entries[i].size())) - cursorAt(0), width)
        << entries[i].toStdString() << " in a box of " << edit->width() << " pixels";
  }
}

INSTANTIATE_TEST_SUITE_P(Builds, CaptionFitTest,
                         testing::Values(Layout{"en", &ui::EnglishLayout},
                                         Layout{"zh", &ui::ChineseLayout}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace vorlan::test
