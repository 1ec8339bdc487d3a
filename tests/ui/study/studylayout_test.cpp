// The study window on a small screen: no text sets its width, a saved
// geometry is fitted, its controls reflow, and the Compare readout reads
// every run at the plate under the pointer.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "study/setupfile.h"
#include "studyview/cuttable.h"
#include "ui/study/comparepanel.h"
#include "ui/study/studywindow.h"
#include "ui/study/studywindowfixture.h"

namespace colmara {
namespace {

// The smallest screen the window must fit, less a window frame.
const QSize kSmallScreen(640 - 8, 480 - 32);

class StudyLayoutTest : public test::StudyWindowFixture {
  protected:
    std::unique_ptr<StudyWindow> Open() { return StudyWindowFixture::Open({640, 448}); }

    // Pins the window's runs, then moves the pointer over `plate` of the
    // Compare chart.
    static void ReadCompareAt(StudyWindow& w, double plate) {
        w.Tabs().setCurrentIndex(w.Tabs().count() - 1);
        ChartPane& pane = Compare(w).Pane();
        pane.View().grab();  // lays the chart out as drawn
        const ChartLayout& layout = pane.Chart().Layout();
        const int x = layout.Axis(AxisSide::Bottom).Scale.CalcPosValue(plate);
        pane.ReadAt({x, (layout.ChartRect.Top + layout.ChartRect.Bottom) / 2});
    }

    static void ExpectFits(StudyWindow& w, const std::string& what) {
        QApplication::processEvents();
        EXPECT_LE(w.minimumSizeHint().width(), kSmallScreen.width()) << what;
        EXPECT_LE(w.minimumSizeHint().height(), kSmallScreen.height()) << what;
        EXPECT_LE(w.width(), 640) << what;
    }
};

TEST_F(StudyLayoutTest, NoTextSetsTheWindowsWidth) {
    auto window = Open();
    ExpectFits(*window, "at the start");
    StudyInputs& inputs = window->Inputs();

    const std::string longPower = "15" + std::string(200, '0');
    inputs.SetInputs({longPower, "10", "10", "3"}, StrengthUnit::Weight);
    Settle(*window);
    ExpectFits(*window, "a power of 15 and 200 zeros");

    inputs.SetInputs({"1500", "10", "10", "-1"}, StrengthUnit::Weight);
    Settle(*window);
    ASSERT_FALSE(inputs.Note(Input::Reflux).isEmpty());
    ExpectFits(*window, "the note of reflux -1");

    // A setup file with a power text of 200,000 characters.
    const QString path = dir_.filePath(QStringLiteral("long.json"));
    WriteSetupFile(path.toStdString(), {{std::string(200000, '7'), "10", "10", "3"}});
    answer_ = {path, {}};
    window->OpenSetup();
    Settle(*window);
    EXPECT_EQ(inputs.Typed().power, std::string(200000, '7'));  // kept whole
    ExpectFits(*window, "a setup file of 200,000 characters");
}

// Every line edit of every tab, typed into as a user does: 600 letters
// without a break (after "hearts:<" in the own cuts, where they end up in
// the run's refusal) leave the window within the screen, then and once the
// field is cleared; and a pasted text of 100,000 characters is kept whole.
TEST_F(StudyLayoutTest, EveryLineEditKeepsAnyTextWholeAndTheWindowNarrow) {
    auto window = Open();
    const QString letters(600, QLatin1Char('k'));
    const QString pasted(100000, QLatin1Char('7'));
    int edits = 0;
    for (int tab = 0; tab < window->Tabs().count(); ++tab) {
        window->Tabs().setCurrentIndex(tab);
        for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
            if (!edit->isVisible() || !edit->isEnabled()) continue;
            const std::string name = edit->accessibleName().toStdString();
            SCOPED_TRACE(name + " on tab " + std::to_string(tab));
            ++edits;
            const QString before = edit->text();
            edit->setFocus();
            edit->selectAll();
            const bool cuts = edit == &window->Batch().Field(&BatchTexts::cuts);
            QTest::keyClicks(edit, (cuts ? QStringLiteral("hearts:<") : QString()) + letters);
            Settle(*window);
            window->Batch().Runner().Flush();
            ExpectFits(*window, "600 letters");
            edit->selectAll();
            edit->insert(pasted);
            EXPECT_EQ(edit->text().size(), pasted.size());
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Delete);
            edit->insert(before);
            Settle(*window);
            ExpectFits(*window, "cleared");
        }
    }
    // The inputs (Power, Strength, Plates, Reflux), the sweep's range (3)
    // and the batch tab's typed texts (12, four of them greyed at first).
    EXPECT_GE(edits, 4 + 3 + 8);
    // A whole cut list goes into the batch texts, and so into setups.
    QLineEdit& cuts = window->Batch().Field(&BatchTexts::cuts);
    cuts.selectAll();
    cuts.insert(pasted);
    EXPECT_EQ(window->Batch().Texts().cuts, pasted.toStdString());
}

TEST_F(StudyLayoutTest, TheCompareReadoutOfFourPinsIsCutAndWholeInItsTooltip) {
    auto window = Open();
    StudyInputs& inputs = window->Inputs();
    for (const char* power : {"2500", "2000", "1500", "1000"}) {
        inputs.SetInputs({power, "10", "20", "3"}, StrengthUnit::Weight);
        Settle(*window);
        ASSERT_TRUE(Compare(*window).PinCurrent());
    }
    for (int unit : {0, 1}) {  // by weight, then by volume
        inputs.UnitSelector().setCurrentIndex(unit);
        Settle(*window);
        ReadCompareAt(*window, 10);
        const QString readout = Compare(*window).Pane().Readout();
        EXPECT_EQ(readout.count(QStringLiteral(" W, ")), 4) << readout.toStdString();
        ExpectFits(*window, "four pins, unit " + std::to_string(unit));
        const auto* label = Compare(*window).Pane().findChild<QLabel*>();
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->toolTip(), readout);
        EXPECT_TRUE(label->text().endsWith(QStringLiteral("…")));
    }
}

TEST_F(StudyLayoutTest, CompareReadsEveryRunAtThePlateUnderThePointer) {
    auto window = Open();
    StudyInputs& inputs = window->Inputs();
    inputs.SetInputs({"1500", "10", "6", "3"}, StrengthUnit::Weight);
    Settle(*window);
    ASSERT_TRUE(Compare(*window).PinCurrent());
    inputs.SetInputs({"1500", "10", "10", "3"}, StrengthUnit::Weight);
    Settle(*window);

    // The pin has no plate 9: only the current run is read.
    ReadCompareAt(*window, 9);
    const QString at9 = Compare(*window).Pane().Readout();
    EXPECT_TRUE(at9.startsWith(QStringLiteral("Plate 9 – Current run: "))) << at9.toStdString();
    EXPECT_EQ(at9.indexOf(QStringLiteral("6 plates")), -1) << at9.toStdString();

    // At plate 6 both, each name and value apart.
    ReadCompareAt(*window, 6);
    const QString at6 = Compare(*window).Pane().Readout();
    EXPECT_NE(at6.indexOf(QStringLiteral("; 1500 W, 10 %, 6 plates, R 3: 90.62 %")), -1)
        << at6.toStdString();
}

TEST_F(StudyLayoutTest, ASavedGeometryLargerThanTheScreenIsFitted) {
    {
        auto window = Open();
        window->setGeometry(0, 0, 4000, 3000);
        window->close();
    }
    auto again = Open();
    const QRect available = again->screen()->availableGeometry();
    EXPECT_LE(again->width(), available.width());
    EXPECT_LE(again->height(), available.height());
    EXPECT_TRUE(available.contains(again->geometry().topLeft()));
}

TEST_F(StudyLayoutTest, NarrowTheInputsGoAboveTheTabsAndTheSweepControlsStayWhole) {
    auto window = Open();
    auto* splitter = window->findChild<QSplitter*>();
    ASSERT_NE(splitter, nullptr);
    EXPECT_EQ(splitter->orientation(), Qt::Vertical);
    window->resize(1100, 680);
    QApplication::processEvents();
    EXPECT_EQ(splitter->orientation(), Qt::Horizontal);
    window->resize(640, 448);
    QApplication::processEvents();
    EXPECT_EQ(splitter->orientation(), Qt::Vertical);
    EXPECT_LT(window->width(), 900);

    window->Tabs().setCurrentIndex(2);
    QWidget& sweep = window->Panel(2);
    auto* run = sweep.findChild<QPushButton*>(QString(), Qt::FindDirectChildrenOnly);
    auto* from = sweep.findChild<QLineEdit*>();
    ASSERT_TRUE(run && from);
    // Wide, the range stands in the row of the buttons; at 640 px below it.
    for (const auto& [width, oneRow] : {std::pair{1100, true}, std::pair{640, false}}) {
        // Side by side the window cannot go below the two's width; once the
        // splitter has turned, it can (a user's drag goes on the same way).
        for (int step = 0; step < 2; ++step) {
            window->resize(width, 448);
            QTest::qWait(20);
        }
        EXPECT_LT(sweep.width(), width);
        EXPECT_EQ(run->y() == from->y(), oneRow) << width;
        for (QWidget* control : sweep.findChildren<QWidget*>()) {
            if (!qobject_cast<QComboBox*>(control) && !qobject_cast<QPushButton*>(control))
                continue;
            EXPECT_GE(control->width(), control->sizeHint().width())
                << width << " " << control->accessibleName().toStdString();
            EXPECT_LE(control->mapTo(&sweep, QPoint(control->width(), 0)).x(), sweep.width());
        }
    }
}

// The batch tab at the window's first size, on an 800 x 600 and on a
// 640 x 480 screen: every field whole without a sideways scroll and within
// reach, the chart big enough to read, and at the first size the cut
// table's distiller's columns in view.
TEST_F(StudyLayoutTest, TheBatchTabFitsSmallScreensWithoutScrollingSideways) {
    for (const QSize size : {QSize(1100, 680), QSize(800, 600 - 32), kSmallScreen}) {
        SCOPED_TRACE(std::to_string(size.width()) + " x " + std::to_string(size.height()));
        auto window = StudyWindowFixture::Open(size);
        window->Tabs().setCurrentIndex(3);
        BatchRunPanel& batch = window->Batch();
        batch.Runner().Flush();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !batch.Runner().Busy(); }, 60000));
        QApplication::processEvents();
        EXPECT_LE(window->width(), size.width());
        std::vector<QWidget*> controls = {&batch.ChargeUnit(), &batch.Policy(),
                                          &batch.HeadTemperatureBox(), &batch.Pane().View()};
        for (const auto& key : kBatchTextKeys)
            if (key.text != &BatchTexts::chargeUnit && key.text != &BatchTexts::policy)
                controls.push_back(&batch.Field(key.text));
        for (QWidget* control : controls) {
            SCOPED_TRACE(control->accessibleName().toStdString());
            control->setFocus(Qt::TabFocusReason);  // scrolls the tab to it
            QApplication::processEvents();
            const QRect at(control->mapTo(&batch, QPoint()), control->size());
            EXPECT_GE(at.left(), 0);
            EXPECT_LE(at.right(), batch.width());
            EXPECT_GE(at.top(), 0);
            EXPECT_LE(at.bottom(), batch.height());
            EXPECT_GE(control->width(), control->minimumSizeHint().width());
        }
        const QWidget& chart = batch.Pane().View();
        EXPECT_GE(chart.width(), 300);
        EXPECT_GE(chart.height(), 150);
        if (size.width() < 1100) continue;
        const QTableWidget& table = batch.Table();
        for (int column = 0; column < kCutTableMainColumns; ++column)
            EXPECT_LE(table.columnViewportPosition(column) + table.columnWidth(column),
                      table.viewport()->width())
                << table.horizontalHeaderItem(column)->text().toStdString();
    }
}

}  // namespace
}  // namespace colmara
