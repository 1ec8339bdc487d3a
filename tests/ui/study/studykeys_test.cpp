// The study window by keyboard alone: Tab in screen order with the focus
// always drawn, tabs switched from anywhere without touching a number,
// mnemonics that do not clash, Escape for a running sweep, and the guide.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <algorithm>
#include <set>

#include "ui/study/mccabepanel.h"
#include "ui/study/studywindow.h"
#include "ui/study/studywindowfixture.h"
#include "ui/study/sweeppanel.h"

namespace colmara {
namespace {

constexpr int kSweepTab = 2;

// A control's name as a person hears or reads it: the accessible name, or
// the text of a button or tab bar without its mnemonic mark.
QString NameOf(QWidget* w) {
    if (!w->accessibleName().isEmpty()) return w->accessibleName();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text().remove('&');
    if (qobject_cast<QTabBar*>(w)) return QStringLiteral("tab bar");
    return w->metaObject()->className();
}

QRect OnWindow(QWidget* w) {
    return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
}

class StudyKeysTest : public test::StudyWindowFixture {
  protected:
    void SetUp() override {
        StudyWindowFixture::SetUp();
        if (HasFatalFailure()) return;
        window_ = Open({1100, 680});
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }

    QWidget* Power() { return &window_->Inputs().Field(Input::Power); }
    SweepPanel& Sweep() { return dynamic_cast<SweepPanel&>(window_->Panel(kSweepTab)); }

    // The controls Tab visits from Power until it comes back there.
    std::vector<QWidget*> TabStops() {
        Power()->setFocus(Qt::TabFocusReason);
        std::vector<QWidget*> stops{QApplication::focusWidget()};
        for (int i = 0; i < 40; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (QApplication::focusWidget() == stops.front()) return stops;
            stops.push_back(QApplication::focusWidget());
        }
        ADD_FAILURE() << "Tab never came back to Power";
        return stops;
    }

    // The current tab's stops. The sweep's controls take two rows where one
    // would not fit, and then Go comes before the range.
    QStringList PanelStops(int tab, int width) {
        if (tab != kSweepTab)
            return std::vector<QStringList>{
                {"Column profile chart"},
                {"McCabe-Thiele diagram", "Published data", "Limits"},
                {},
                {"Charge", "Charge unit", "Start temperature", "Air pressure", "Altitude", "Policy",
                 "Heads", "Hearts until", "Own cuts", "Stop at boiler strength",
                 "Stop at product strength", "Stop at amount collected", "Stop after minutes",
                 "Timeline interval", "Show the head temperature", "Batch run chart", "Cut table"},
                {"Compare chart", "Pinned runs", "Pin this run"}}
                .at(tab);
        const QRect run = OnWindow(Sweep().findChild<QPushButton*>("", Qt::FindDirectChildrenOnly));
        const QRect from = OnWindow(Sweep().findChild<QLineEdit*>());
        const bool twoRows = run.top() < from.top();
        EXPECT_EQ(twoRows, width < 1000) << "the sweep's controls did not reflow";
        return twoRows ? QStringList{"Input to vary", "Go",          "From",       "To",
                                     "Step",          "Sweep chart", "Sweep table"}
                       : QStringList{"Input to vary", "From",       "To", "Step", "Go",
                                     "Sweep chart",   "Sweep table"};
    }

    // The stops have the names given, each lies right of or below the one
    // before (up to the last, where the ring closes), and each is visible
    // and draws its focus.
    void ExpectStopsInScreenOrder(const std::vector<QWidget*>& stops, const QStringList& wanted) {
        QStringList names;
        for (QWidget* w : stops) names << NameOf(w);
        EXPECT_EQ(names, wanted) << names.join(", ").toStdString();
        for (std::size_t i = 0; i < stops.size(); ++i) {
            QWidget* stop = stops[i];
            EXPECT_TRUE(stop->isVisible()) << names[i].toStdString();
            if (i > 0 && i + 1 < stops.size()) {
                const QRect before = OnWindow(stops[i - 1]), here = OnWindow(stop);
                EXPECT_TRUE(here.left() >= before.right() || here.top() >= before.bottom())
                    << names[i].toStdString() << " is neither right of nor below "
                    << names[i - 1].toStdString();
            }
            // The window drawn with the focus here and with it one stop on
            // differs around this control.
            const QRect around = OnWindow(stop).adjusted(-3, -3, 3, 3);
            stop->setFocus(Qt::TabFocusReason);
            const QImage focused = window_->grab(around).toImage();
            stops[(i + 1) % stops.size()]->setFocus(Qt::TabFocusReason);
            EXPECT_NE(focused, window_->grab(around).toImage())
                << names[i].toStdString() << " shows no focus";
        }
    }

    std::unique_ptr<StudyWindow> window_;
};

// On every tab, wide (inputs beside the tabs, the sweep's controls in one
// row) and narrow (inputs above, the sweep's in two): the inputs, the tab
// bar, then the tab's controls, each right of or below the one before;
// every stop is visible and named, and shows that it has the focus.
TEST_F(StudyKeysTest, TabVisitsEveryControlInScreenOrderAndShowsTheFocus) {
    const QStringList inputs = {
        "Heating power in watts", "Boiler strength",  "Strength unit", "Number of plates",
        "Reflux ratio",           "Plate efficiency", "tab bar"};
    for (const int width : {1400, 700}) {
        window_->resize(width, 680);
        for (int tab = 0; tab < window_->Tabs().count(); ++tab) {
            SCOPED_TRACE(std::to_string(width) + " px, tab " + std::to_string(tab));
            window_->Tabs().setCurrentIndex(tab);
            QTest::qWait(1);  // the shown tab lays itself out
            ExpectStopsInScreenOrder(TabStops(), inputs + PanelStops(tab, width));
        }
    }
}

// From a field, the table or a chart, the keys step through the tabs and
// round the ends, and every text stays as it was.
TEST_F(StudyKeysTest, CtrlKeysSwitchTabsFromAnyControlAndChangeNoNumber) {
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int step;
    } keys[] = {
        {Qt::Key_Tab, Qt::ControlModifier, 1},
        {Qt::Key_PageDown, Qt::ControlModifier, 1},
        {Qt::Key_PageUp, Qt::ControlModifier, -1},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, -1},
    };
    const InputTexts typed = window_->Inputs().Typed();
    const int count = window_->Tabs().count();
    for (const auto& k : keys) {
        QWidget* const starts[] = {Power(), &window_->Inputs().Field(Input::Reflux),
                                   window_->Panel(0).ExportChart()};
        for (QWidget* from : starts) {
            SCOPED_TRACE(NameOf(from).toStdString() + " key " + std::to_string(k.key));
            window_->Tabs().setCurrentIndex(0);
            from->setFocus(Qt::TabFocusReason);
            for (int n = 1; n <= count; ++n) {
                QTest::keyClick(QApplication::focusWidget(), k.key, k.modifiers);
                EXPECT_EQ(window_->Tabs().currentIndex(), ((k.step * n) % count + count) % count);
            }
            EXPECT_EQ(window_->Inputs().Typed(), typed);
        }
    }
}

// Every mnemonic shown at once (menu bar, inputs, tab bar and the current
// tab's controls) is a letter of its own, and each tab and button has one
// (but the batch chart's check box and the run log's buttons, left without).
TEST_F(StudyKeysTest, MnemonicsNeverClashAndReachTheirControls) {
    auto mnemonic = [](const QString& text) {
        const qsizetype at = text.indexOf('&');
        return at >= 0 && at + 1 < text.size() ? text.at(at + 1).toLower() : QChar();
    };
    for (int tab = 0; tab < window_->Tabs().count(); ++tab) {
        SCOPED_TRACE(tab);
        window_->Tabs().setCurrentIndex(tab);
        std::vector<std::pair<QChar, QString>> shown;
        for (QAction* menu : window_->menuBar()->actions())
            shown.emplace_back(mnemonic(menu->text()), menu->text());
        for (int i = 0; i < window_->Tabs().count(); ++i)
            shown.emplace_back(mnemonic(window_->Tabs().tabText(i)), window_->Tabs().tabText(i));
        for (QLabel* label : window_->findChildren<QLabel*>())
            if (label->buddy() && label->isVisible())
                shown.emplace_back(mnemonic(label->text()), label->text());
        for (QAbstractButton* button : window_->findChildren<QAbstractButton*>())
            if (button->isVisible() && !button->text().isEmpty())
                shown.emplace_back(mnemonic(button->text()), button->text());
        std::set<QChar> letters;
        // The batch form's letters are all taken before its chart's check
        // box and the run log's buttons, which therefore have none.
        BatchRunPanel& batch = window_->Batch();
        const QStringList unlettered = {batch.HeadTemperatureBox().text(),
                                        batch.LogBar().FitButton().text(),
                                        batch.LogBar().NotesButton().text()};
        for (const auto& [letter, text] : shown) {
            if (letter.isNull() && unlettered.contains(text)) continue;
            EXPECT_FALSE(letter.isNull()) << text.toStdString() << " has no mnemonic";
            EXPECT_TRUE(letters.insert(letter).second) << text.toStdString() << " clashes";
        }
    }
    // Alt+W opens the sweep from a field, Alt+M then goes to its From field.
    window_->Tabs().setCurrentIndex(0);
    Power()->setFocus();
    QTest::keyClick(Power(), Qt::Key_W, Qt::AltModifier);
    EXPECT_EQ(window_->Tabs().currentIndex(), kSweepTab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_M, Qt::AltModifier);
    EXPECT_EQ(NameOf(QApplication::focusWidget()), "From");
}

// Escape cancels a sweep from any control, even on another tab, and
// otherwise does nothing; Tab leaves the sweep's table.
TEST_F(StudyKeysTest, EscapeCancelsARunningSweepAndTabLeavesItsTable) {
    SweepPanel& sweep = Sweep();
    sweep.SetThreads(1);
    window_->Tabs().setCurrentIndex(kSweepTab);
    sweep.findChild<QComboBox*>()->setCurrentIndex(static_cast<int>(Input::Reflux));
    for (QLineEdit* edit : sweep.findChildren<QLineEdit*>())
        edit->setText(edit->accessibleName() == "From" ? "1"
                      : edit->accessibleName() == "To" ? "99999"
                                                       : "1");
    sweep.Run();
    ASSERT_TRUE(sweep.Running());
    const auto rows = [&] { return sweep.RowCount(); };
    ASSERT_TRUE(QTest::qWaitFor([&] { return rows() >= 3; }, 20000));
    window_->Tabs().setCurrentIndex(0);
    Power()->setFocus();
    QTest::keyClick(Power(), Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !sweep.Running(); }, 20000));
    EXPECT_TRUE(sweep.Message().startsWith("Cancelled after ")) << sweep.Message().toStdString();

    window_->Tabs().setCurrentIndex(kSweepTab);
    auto* table = sweep.findChild<QTableView*>();
    table->setFocus(Qt::TabFocusReason);
    QTest::keyClick(table, Qt::Key_Down);
    const QModelIndex moved = table->currentIndex();
    ASSERT_TRUE(moved.isValid());
    EXPECT_EQ(QApplication::focusWidget(), table);
    QTest::keyClick(table, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), table);
    EXPECT_EQ(table->currentIndex(), moved);
}

// The guide opens from the Help menu and covers every tab, the reading of
// this model's McCabe-Thiele diagram, how the batch run is worked out and
// what it assumes, the Tools window, pins, sweeps, units and files.
TEST_F(StudyKeysTest, HelpMenuOpensTheGuideAndEveryNewControlExplainsItself) {
    QAction* guideAction = nullptr;
    for (QAction* menu : window_->menuBar()->actions())
        if (menu->text() == "&Help") guideAction = menu->menu()->actions().value(0);
    ASSERT_NE(guideAction, nullptr);
    guideAction->trigger();
    auto* guide = window_->findChild<QDialog*>("StudyGuide");
    ASSERT_NE(guide, nullptr);
    EXPECT_TRUE(guide->isVisible());
    EXPECT_FALSE(guide->isModal());
    const QString text = guide->findChild<QTextBrowser*>()->toPlainText();
    for (const char* topic : {"Column profile",
                              "McCabe–Thiele",
                              "Sweep",
                              "Compare",
                              "straight operating line",
                              "heat balance",
                              "reflux change from plate to plate",
                              "Pin this run",
                              "Cancel",
                              "per cent by volume",
                              "setup",
                              "--setup",
                              "Export",
                              "Copy table",
                              "hold no liquid",
                              "no heat is lost",
                              "Policies",
                              "90min",
                              "Boiler empty",
                              "The Tools window",
                              "International Alcoholometric Tables"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(topic))) << topic;
    guideAction->trigger();
    EXPECT_EQ(window_->findChildren<QDialog*>("StudyGuide").size(), 1);

    auto* mccabe = dynamic_cast<McCabePanel*>(&window_->Panel(1));
    ASSERT_NE(mccabe, nullptr);
    EXPECT_TRUE(mccabe->PublishedBox()->toolTip().contains("Perry's Chemical Engineers' Handbook"));
    EXPECT_TRUE(mccabe->PublishedBox()->toolTip().contains("ethanol-water-vle-1atm.csv"));
    for (int tab = 0; tab < window_->Tabs().count(); ++tab) {
        for (QWidget* w : window_->Panel(tab).findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
                                 qobject_cast<QLineEdit*>(w) || qobject_cast<QListWidget*>(w);
            if (control && (w->focusPolicy() & Qt::TabFocus)) {
                EXPECT_FALSE(w->toolTip().isEmpty()) << NameOf(w).toStdString();
            }
        }
    }
}

}  // namespace
}  // namespace colmara
