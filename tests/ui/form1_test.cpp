#include "ui/form1.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include "runtime/numconv.h"
#include "ui/chart/chartwidget.h"
#include "ui/clickablelabel.h"
#include "ui/recordingreporter.h"
#include "ui/timers.h"

namespace colmara {
namespace {

using test::Elapse;
using test::ElapseShownTipTimer;
using test::RecordingReporter;

QString TextOf(const QWidget* w) {
    if (auto* edit = qobject_cast<const QLineEdit*>(w)) return edit->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text();
    if (auto* label = qobject_cast<const QLabel*>(w)) return label->text();
    if (auto* group = qobject_cast<const QGroupBox*>(w)) return group->title();
    return {};
}

TEST(Form1, IsAFixedColmaraWindowAt270x141) {
    RecordingReporter reporter;
    TForm1 form(reporter);
    EXPECT_EQ(form.objectName(), QStringLiteral("Form1"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Colmara"));
    EXPECT_EQ(form.size(), QSize(678, 500));
    EXPECT_EQ(form.minimumSize(), QSize(678, 500));
    EXPECT_EQ(form.maximumSize(), QSize(678, 500));
    EXPECT_EQ(form.pos(), QPoint(270, 141));
    EXPECT_EQ(form.font().pixelSize(), 11);
}

TEST(Form1, EveryControlHasItsNameParentPlaceTextAndState) {
    RecordingReporter reporter;
    TForm1 form(reporter);
    // Labels size themselves: only their left and top are fixed (width -1).
    const struct {
        const char* name;
        const char* parent;
        QRect rect;
        const char* text;
        bool visible;
    } controls[] = {
        {"GroupBox1", "Form1", {-1, 8, 129, 257}, "Data needed:", true},
        {"Label1", "GroupBox1", {16, 24, -1, -1}, "Power", true},
        {"Edit1", "GroupBox1", {16, 40, 41, 21}, "1000", true},
        {"Label7", "GroupBox1", {59, 44, -1, -1}, "W", true},
        {"Label3", "GroupBox1", {17, 68, -1, -1}, "Strength in  boiler", true},
        {"Edit2", "GroupBox1", {16, 83, 25, 21}, "1", true},
        {"Label6", "GroupBox1", {47, 86, -1, -1}, "% (weight)", true},
        {"Label4", "GroupBox1", {16, 110, -1, -1}, "Number of plates", true},
        {"Edit3", "GroupBox1", {16, 130, 25, 21}, "20", true},
        {"Label2", "GroupBox1", {16, 158, -1, -1}, "Reflux Ratio", true},
        {"Edit4", "GroupBox1", {16, 178, 41, 21}, "15", true},
        {"Button1", "GroupBox1", {24, 216, 75, 25}, "Calculate", true},
        {"GroupBox2", "Form1", {0, 264, 129, 81}, "Information from still", true},
        {"ListBox2", "GroupBox2", {8, 16, 113, 41}, "", true},
        {"GroupBox3", "Form1", {128, 8, 161, 105}, "Information showed in window", true},
        {"CheckBox6", "GroupBox3", {8, 16, 129, 17}, "vapour leaving plate", true},
        {"CheckBox7", "GroupBox3", {8, 32, 121, 17}, "reflux leaving plate", true},
        {"CheckBox8", "GroupBox3", {8, 48, 97, 17}, "Strength vapour", true},
        {"CheckBox9", "GroupBox3", {8, 64, 97, 17}, "strength liquid", true},
        {"CheckBox10", "GroupBox3", {8, 80, 97, 17}, "Temperature", true},
        {"Label5", "Form1", {128, 128, -1, -1}, "Result:", true},
        {"ListBox1", "Form1", {128, 144, 209, 305}, "", true},
        {"Chart1", "Form1", {360, 8, 296, 473}, "", true},
        {"Label8", "Form1", {8, 464, 167, 15}, "Colmara 2004-01-20 BETA ", true},
        {"Button4", "Form1", {256, 464, 75, 25}, "INFO", true},
        {"Button2", "Form1", {24, 424, 75, 25}, "Button2", false},
        {"Button3", "Form1", {24, 392, 75, 25}, "Button3", false},
    };
    for (const auto& c : controls) {
        SCOPED_TRACE(c.name);
        auto* w = form.findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget()->objectName(), QString::fromLatin1(c.parent));
        EXPECT_EQ(w->pos(), c.rect.topLeft());
        if (c.rect.width() > 0) {
            EXPECT_EQ(w->size(), c.rect.size());
        }
        EXPECT_EQ(TextOf(w), QString::fromUtf8(c.text));
        EXPECT_EQ(!w->isHidden(), c.visible);
    }
    for (QCheckBox* box : form.findChildren<QCheckBox*>())
        EXPECT_TRUE(box->isChecked()) << box->objectName().toStdString();
    EXPECT_EQ(form.ListBox1->count(), 0);
    EXPECT_EQ(form.ListBox2->count(), 0);
    EXPECT_EQ(form.Label8->font().family(), QStringLiteral("Arial"));
}

TEST(Form1, EveryOptionTextFitsItsCheckBox) {
    RecordingReporter reporter;
    TForm1 form(reporter);
    for (QCheckBox* box : form.findChildren<QCheckBox*>()) {
        SCOPED_TRACE(box->objectName().toStdString());
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        const QRect label = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
        // The label is drawn in this rectangle; a narrower one cuts its end.
        EXPECT_GE(label.width(), box->fontMetrics().horizontalAdvance(box->text()));
        EXPECT_LE(label.right(), box->width() - 1);
    }
}

TEST(Form1, ReportRowsAre13PixelsHigh) {
    RecordingReporter reporter;
    TForm1 form(reporter);
    form.ListBox1->addItem(QStringLiteral("--plate 1--"));
    form.ListBox1->addItem(QStringLiteral("Temperature"));
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QRect first = form.ListBox1->visualItemRect(form.ListBox1->item(0));
    const QRect second = form.ListBox1->visualItemRect(form.ListBox1->item(1));
    EXPECT_EQ(first.height(), 13);
    EXPECT_EQ(second.top() - first.top(), 13);
}

TEST(Form1, ListsCutLongLinesWithoutAHorizontalScrollBar) {
    RecordingReporter reporter;
    TForm1 form(reporter);
    // A summary of a huge flow and report lines of every width.
    form.ListBox2->addItem(QStringLiteral("Total amount stripped:"));
    form.ListBox2->addItem(QStringLiteral("100000220836286486813.4"));
    form.ListBox1->addItem(QString());
    form.ListBox1->addItem(QStringLiteral("Reflux returned:   -3619879969551277862.1 g/h"));
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    for (QListWidget* list : {form.ListBox1, form.ListBox2}) {
        SCOPED_TRACE(list->objectName().toStdString());
        EXPECT_FALSE(list->horizontalScrollBar()->isVisible());
    }
    // Both summary lines stay in view.
    EXPECT_FALSE(form.ListBox2->verticalScrollBar()->isVisible());
    EXPECT_GE(form.ListBox2->viewport()->height(), 2 * 13);
}

TEST(Form1, HintsAreToolTipsWithTheProgramsTiming) {
    RecordingReporter reporter;
    TForm1 form(reporter);
    const struct {
        const char* name;
        const char* tip;
    } hinted[] = {
        {"Edit1", "The power the still uses, heat loss is neglegted"},
        {"Edit2", "Masspercentage of alcohol in the boiler"},
        {"Edit3", "Enter the number of physical (or theoretical bottoms the still have)"},
        {"Edit4", "Reflux ratio (0-infinity)"},
        {"GroupBox2", "This value shows how much of the alcohol that leave the boiler per hour"},
        {"ListBox2",
         "How much alcohol from the boiler\ndo you actually get in the product\nat this reflux "
         "ratio."},
    };
    for (const auto& c : hinted) {
        SCOPED_TRACE(c.name);
        auto* w = form.findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->toolTip(), QString::fromUtf8(c.tip));
        EXPECT_EQ(w->toolTipDuration(), 2500);
    }
    const QStringList hintless = {"GroupBox1", "GroupBox3", "Label1",    "Label2",    "Label3",
                                  "Label4",    "Label5",    "Label6",    "Label7",    "Label8",
                                  "CheckBox6", "CheckBox7", "CheckBox8", "CheckBox9", "CheckBox10",
                                  "ListBox1",  "Button1",   "Button4",   "Chart1"};
    for (const QString& name : hintless)
        EXPECT_TRUE(form.findChild<QWidget*>(name)->toolTip().isEmpty()) << name.toStdString();
}

// A shown window with its hint timer.
struct ActiveForm1 {
    RecordingReporter reporter;
    TForm1 form{reporter};
    QTimer* pause = nullptr;

    bool Activate() {
        form.show();
        form.activateWindow();
        pause = form.findChild<QTimer*>(QStringLiteral("HintPause"));
        return pause != nullptr && QTest::qWaitForWindowActive(&form);
    }
};

TEST(Form1, AHintShowsWhenTheMouseRestsOnItsControlOrInsideIt) {
    ActiveForm1 f;
    ASSERT_TRUE(f.Activate());
    TForm1& form = f.form;
    const struct {
        QWidget* over;
        QPoint at;  // null: the centre
        QWidget* hinted;
    } cases[] = {
        {form.Edit1, {}, form.Edit1},
        {form.Edit3, {}, form.Edit3},
        {form.ListBox2->viewport(), {}, form.ListBox2},
        {form.GroupBox2, {60, 70}, form.GroupBox2},
        {form.Label1, {}, nullptr},
        {form.CheckBox6, {}, nullptr},
        {form.ListBox1->viewport(), {}, nullptr},
        {form.Chart1, {}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.over->objectName().toStdString() + " in " +
                     c.over->parentWidget()->objectName().toStdString());
        QTest::mouseMove(c.over, c.at);
        if (c.hinted == nullptr) {
            EXPECT_FALSE(f.pause->isActive());
            continue;
        }
        ASSERT_TRUE(f.pause->isActive());
        EXPECT_EQ(f.pause->interval(), 500);
        EXPECT_FALSE(QToolTip::isVisible());
        Elapse(*f.pause);
        EXPECT_TRUE(QToolTip::isVisible());
        EXPECT_EQ(QToolTip::text(), c.hinted->toolTip());
        // The tip goes away by itself after 2500 ms.
        EXPECT_TRUE(ElapseShownTipTimer(2500));
        EXPECT_FALSE(QToolTip::isVisible());
    }
}

TEST(Form1, ATipIsWrittenInTheFormsFont) {
    ActiveForm1 f;
    ASSERT_TRUE(f.Activate());
    QTest::mouseMove(f.form.Edit3);
    Elapse(*f.pause);
    const QWidget* tip = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->inherits("QTipLabel") && w->isVisible()) tip = w;
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(tip->font().family(), f.form.font().family());
    EXPECT_EQ(tip->font().pixelSize(), 11);
    ASSERT_TRUE(ElapseShownTipTimer(2500));
}

TEST(Form1, WhileATipShowsTheNextHintedControlsTipFollowsAtOnce) {
    ActiveForm1 f;
    ASSERT_TRUE(f.Activate());
    TForm1& form = f.form;
    QTest::mouseMove(form.Edit1);
    Elapse(*f.pause);
    ASSERT_EQ(QToolTip::text(), form.Edit1->toolTip());

    QTest::mouseMove(form.Edit2);
    EXPECT_FALSE(f.pause->isActive());
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), form.Edit2->toolTip());

    // Once it has gone, the next tip waits the whole pause again, and a key
    // ends the wait.
    ASSERT_TRUE(ElapseShownTipTimer(2500));
    QTest::mouseMove(form.Edit4);
    EXPECT_TRUE(f.pause->isActive());
    EXPECT_FALSE(QToolTip::isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Shift);
    EXPECT_FALSE(f.pause->isActive());
}

TEST(Form1, TabGoesThroughTheFieldsCalculateListsOptionsAndInfo) {
    RecordingReporter reporter;
    TForm1 form(reporter);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(QApplication::focusWidget(), form.Edit1);
    QStringList visited;
    for (int i = 0; i < 13; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited.join(QLatin1Char(' ')),
              QStringLiteral("Edit2 Edit3 Edit4 Button1 ListBox1 ListBox2 CheckBox6 CheckBox7 "
                             "CheckBox8 CheckBox9 CheckBox10 Button4 Edit1"));
}

TEST(Form1, TypingAtStartReplacesThePower) {
    RecordingReporter reporter;
    TForm1 form(reporter);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("750"));
    EXPECT_EQ(form.Edit1->text(), QStringLiteral("750"));
}

TEST(Form1, EnterAndEscapeInAFieldStartNothing) {
    RecordingReporter reporter;
    TForm1 form(reporter);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    for (QPushButton* button : form.findChildren<QPushButton*>()) {
        EXPECT_FALSE(button->isDefault()) << button->objectName().toStdString();
        EXPECT_FALSE(button->autoDefault()) << button->objectName().toStdString();
    }
    for (QLineEdit* edit : {form.Edit1, form.Edit2, form.Edit3, form.Edit4}) {
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClick(edit, Qt::Key_Enter);
        QTest::keyClick(edit, Qt::Key_Escape);
    }
    EXPECT_EQ(form.ListBox1->count(), 0);
    EXPECT_EQ(form.ListBox2->count(), 0);
    EXPECT_TRUE(reporter.boxes.empty());
}

TEST(Form1, FollowsALocaleChangeForTheNextCalculation) {
    RecordingReporter reporter;
    TForm1 form(reporter);
    const FormatSettings before = ProcessFormatSettings();
    ProcessFormatSettings().decimalSeparator = "#";
    QEvent change(QEvent::LocaleChange);
    QApplication::sendEvent(&form, &change);
    EXPECT_EQ(ProcessFormatSettings().decimalSeparator,
              ReadLocaleFormatSettings().decimalSeparator);
    ProcessFormatSettings() = before;
}

}  // namespace
}  // namespace colmara
