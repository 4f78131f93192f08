// What the user sees: labels that fit their text, colours, fonts, lines, tooltips and the
// names that screen readers announce.
#include <QAbstractButton>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <cmath>
#include <map>

#include "frontend/qt/view/appearance.h"
#include "frontend/qt/view/gui_fixture.h"
#include "model/controls/label.h"
#include "model/controls/line.h"
#include "model/controls/text_box.h"

namespace reminder::test {
namespace {

using LookTest = GuiTest;

QString shownText(QWidget* widget) {
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
  if (auto* frame = qobject_cast<QGroupBox*>(widget)) return frame->title();
  return {};
}

TEST_F(LookTest, LabelsSizedToTheirTextGrowWithItAndShrinkBackWhenEmpty) {
  auto* status = widget<QLabel>(form1(), "Label12");
  auto* clock = widget<QLabel>(form1(), "Label5");
  auto* setTime = widget<QLabel>(form1(), "Label15");
  ASSERT_TRUE(status && clock && setTime);
  EXPECT_EQ(status->size(), QSize(3, 13));
  EXPECT_EQ(clock->size(), QSize(5, 15));

  form1().Label12.setCaption("Auto Run : /usr/bin/xterm");
  const int textWidth = status->fontMetrics().horizontalAdvance(status->text());
  EXPECT_GE(status->width(), textWidth);
  EXPECT_LE(status->width(), textWidth + 4);
  form1().Label12.setCaption("Auto Run : x");
  EXPECT_LT(status->width(), textWidth);
  form1().Label12.setCaption("");
  EXPECT_EQ(status->size(), QSize(3, 13));

  // The clock's first tick fills it, border included.
  time.advance(100);
  EXPECT_EQ(clock->text(), "9:00:00 AM");
  EXPECT_GE(clock->width(), clock->fontMetrics().horizontalAdvance(clock->text()) + 2);
  EXPECT_GE(clock->height(), clock->fontMetrics().height() + 2);

  // A label without the sizing keeps its size whatever it says.
  form1().Label15.setCaption("Time Set to 2 Minute");
  EXPECT_EQ(setTime->size(), QSize(129, 17));
}

// The part of a widget that its window and its frame leave visible.
QRect visiblePart(QWidget* widget) {
  QRect part = widget->geometry();
  for (QWidget* holder = widget->parentWidget(); holder != nullptr && !holder->isWindow();
       holder = holder->parentWidget()) {
    const QRect inside = qobject_cast<QGroupBox*>(holder) ? holder->contentsRect() : holder->rect();
    part = part.intersected(inside);
    part.translate(holder->pos());
  }
  return part;
}

// The room a caption needs: its text's advance beside whatever the widget draws before it,
// and its lines down to the lowest ink (a line without descenders needs no room for them).
QSize neededFor(QWidget* widget, const QString& text, int roomWidth) {
  const QFontMetrics metrics = widget->fontMetrics();
  int lead = 0;
  int height = metrics.height();
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    const QMargins margins = label->contentsMargins();
    lead = margins.left() + margins.right() + 2 * label->margin();
    height = label->wordWrap() ? label->heightForWidth(roomWidth) : label->sizeHint().height();
  } else if (qobject_cast<QPushButton*>(widget)) {
    lead = 4;
  } else {
    QStyleOptionButton option;
    option.initFrom(widget);
    lead = widget->style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, widget) +
           widget->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, widget);
  }
  const int lowestInk = metrics.tightBoundingRect(text).bottom() + 1;
  height -= metrics.descent() - std::max(0, lowestInk);
  const bool wraps = qobject_cast<QLabel*>(widget) && qobject_cast<QLabel*>(widget)->wordWrap();
  return {wraps ? 0 : lead + metrics.horizontalAdvance(text), height};
}

// Whether the widget's caption shows whole within what is visible of it.
::testing::AssertionResult captionFits(QWidget* widget) {
  const QString text = shownText(widget);
  if (text.isEmpty() || qobject_cast<QGroupBox*>(widget)) return ::testing::AssertionSuccess();
  const QSize room = visiblePart(widget).size();
  const QSize needed = neededFor(widget, text, room.width());
  if (needed.width() <= room.width() && needed.height() <= room.height()) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << widget->objectName().toStdString() << " \"" << text.toStdString() << "\" needs "
         << needed.width() << " x " << needed.height() << ", has " << room.width() << " x "
         << room.height();
}

TEST_F(LookTest, CaptionsShowWholeInBothLanguages) {
  form1().Label12.setCaption("Auto Run : /usr/bin/xterm");
  time.advance(100);
  for (const char* language : {"English", "Indonesian"}) {
    action(language)->trigger();
    for (Form* form : allWindows()) {
      for (const Control* control : widgetControls(*form)) {
        SCOPED_TRACE(form->name() + " in " + language);
        EXPECT_TRUE(captionFits(widget(*form, control->name().c_str())));
      }
    }
  }
}

// The colour that fills most of the widget inside its border.
QColor dominantColour(QWidget* widget) {
  const QImage image = widget->grab().toImage();
  const int inset = std::min({3, image.width() / 3, image.height() / 3});
  std::map<QRgb, int> counts;
  for (int y = inset; y < image.height() - inset; ++y) {
    for (int x = inset; x < image.width() - inset; ++x) ++counts[image.pixel(x, y)];
  }
  const auto most =
      std::max_element(counts.begin(), counts.end(),
                       [](const auto& a, const auto& b) { return a.second < b.second; });
  return most == counts.end() ? QColor() : QColor(most->first);
}

// Fields without a colour of their own show the window-background colour, also while locked.
TEST_F(LookTest, EveryControlShowsTheBackgroundColourOfItsDefinition) {
  form1().Text8.setVisible(true);
  form1().Text1.setLocked(true);
  const Color fieldBack = Color::fromSystem(SystemColor::WindowBackground);
  for (Form* form : allWindows()) {
    form->show();
    for (const Control* control : widgetControls(*form)) {
      const bool field = dynamic_cast<const TextBox*>(control) != nullptr;
      if (!control->layout.backColor && !field) continue;
      SCOPED_TRACE(form->name() + "." + control->name());
      QWidget* shown = widget(*form, control->name().c_str());
      const QColor defined = view::toQColor(control->layout.backColor.value_or(fieldBack));
      EXPECT_EQ(dominantColour(shown).name().toStdString(), defined.name().toStdString());
    }
  }
}

TEST_F(LookTest, LinesAreDrawnAboveTheLabelsTheyCross) {
  QWidget* client = mainWindow().centralWidget();
  const auto colourAt = [client](const Line& line) {
    const QPoint middle((line.x1 + line.x2) / 30, (line.y1 + line.y2) / 30);
    return QColor(client->grab().toImage().pixel(middle)).name().toStdString();
  };
  const std::string background = view::toQColor(*form1().backColor).name().toStdString();
  // The rule and the four sides of the clock's box.
  for (const Line* line :
       {&form1().Line1, &form1().Line2, &form1().Line3, &form1().Line4, &form1().Line5}) {
    EXPECT_EQ(colourAt(*line), "#000000") << line->name();
  }
  // The countdown indicator shows only while the program shows it.
  EXPECT_EQ(colourAt(form1().Line6), background);
  form1().Line6.setVisible(true);
  EXPECT_EQ(colourAt(form1().Line6), "#0000ff");
  form1().Line6.setVisible(false);
  EXPECT_EQ(colourAt(form1().Line6), background);
}

// Named faces that are not installed become installed faces of their kind, at the pixel size
// the point size has at 96 dpi, in their weight. A face whose letters run small is stood in
// for a size smaller, so that its text keeps to the room it had.
TEST_F(LookTest, FontsFallBackToInstalledFacesAtTheirSizeAndWeight) {
  const QStringList installed = QFontDatabase::families();
  const auto pixelsFor = [&installed](const Font& font) {
    const bool small =
        font.face == "Arabic Typesetting" && !installed.contains(QString::fromStdString(font.face));
    return std::lround(font.points * 96 / 72 * (small ? 0.8 : 1.0));
  };
  for (Form* form : allWindows()) {
    for (const Control* control : widgetControls(*form)) {
      SCOPED_TRACE(form->name() + "." + control->name());
      QWidget* shown = widget(*form, control->name().c_str());
      const Font font = control->layout.font.value_or(Font{"MS Sans Serif", 8.25, false});
      const QFontInfo used(shown->font());
      const QString family = used.family().section(QStringLiteral(" ["), 0, 0);  // no foundry
      EXPECT_TRUE(installed.contains(used.family())) << used.family().toStdString();
      EXPECT_TRUE(shown->font().families().contains(family))
          << font.face << " became " << family.toStdString();
      EXPECT_EQ(used.bold(), font.bold);
      EXPECT_EQ(used.italic(), false);
      EXPECT_EQ(used.pixelSize(), pixelsFor(font));
    }
  }
}

// Screen readers, and test tools that use them, find every control by its caption, or its
// tooltip where it shows no caption.
TEST_F(LookTest, EveryWidgetCarriesATooltipAndAnAccessibleName) {
  for (Form* form : allWindows()) {
    for (const Control* control : widgetControls(*form)) {
      SCOPED_TRACE(form->name() + "." + control->name());
      QWidget* shown = widget(*form, control->name().c_str());
      const QString tip = QString::fromStdString(control->layout.toolTip);
      EXPECT_EQ(shown->toolTip(), tip);
      const QString caption = shownText(shown);
      const QString expected = !caption.isEmpty() ? caption : tip;
      if (expected.isEmpty()) {
        EXPECT_FALSE(shown->accessibleName().isEmpty());
      } else {
        EXPECT_EQ(shown->accessibleName(), expected);
      }
    }
  }
  EXPECT_EQ(widget(form1(), "Label5")->accessibleName(), "It's Now!");
  time.advance(100);
  EXPECT_EQ(widget(form1(), "Label5")->accessibleName(), "9:00:00 AM");
  EXPECT_EQ(widget(form1(), "Text1")->accessibleName(), "Insert Minute");
  EXPECT_EQ(widget(form1(), "Frame1")->accessibleName(), "Status");
}

}  // namespace
}  // namespace reminder::test
