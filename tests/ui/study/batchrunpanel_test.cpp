// The batch tab: its curves and cut table against the companion tool's own
// run of the same texts, a change that recalculates off the GUI thread and
// drops the run it overtakes, and the panels' rule for runs that fail.
#include "ui/study/batchrunpanel.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <map>
#include <sstream>

#include "study/plateprofile.h"
#include "studyview/studychart.h"
#include "ui/companionprogram.h"

namespace colmara {
namespace {

// The panel keeps a reference to its number symbols.
const FormatSettings kPoint;

StudyCase CaseOf(const InputTexts& typed, StrengthUnit unit) {
    return {typed, unit, ProfileCase(typed, {}, unit)};
}

// The tool's arguments for the tab's texts (every text given, so neither
// side's defaults matter).
std::vector<std::string> BatchArgs(const InputTexts& typed, StrengthUnit unit,
                                   const BatchTexts& texts) {
    std::vector<std::string> args = {
        "batch",
        unit == StrengthUnit::Volume ? "--units=volume" : "--units=weight",
        "--power",
        typed.power,
        "--strength",
        typed.strength,
        "--plates",
        typed.plates,
        "--reflux",
        typed.reflux,
        "--charge",
        texts.charge,
        "--charge-unit",
        texts.chargeUnit,
        "--policy",
        texts.policy,
        "--max-reflux",
        texts.maxReflux,
        "--start-temperature",
        texts.startTemperature,
        "--heads",
        texts.heads,
        "--hearts-until",
        texts.heartsUntil,
        "--every",
        texts.every};
    if (texts.policy == "strength")
        args.insert(args.end(), {"--target-strength", texts.targetStrength});
    const std::pair<const char*, const std::string*> optional[] = {
        {"--stop-boiler", &texts.stopBoiler}, {"--stop-product", &texts.stopProduct},
        {"--stop-amount", &texts.stopAmount}, {"--stop-after", &texts.stopAfter},
        {"--pressure", &texts.pressure},      {"--altitude", &texts.altitude}};
    for (const auto& [option, text] : optional)
        if (!text->empty()) args.insert(args.end(), {option, *text});
    std::istringstream cuts(texts.cuts);
    for (std::string cut; std::getline(cuts, cut, ';');)
        if (cut.find_first_not_of(' ') != std::string::npos)
            args.insert(args.end(), {"--cut", cut.substr(cut.find_first_not_of(' '))});
    return args;
}

using Columns = std::map<std::string, std::vector<std::string>>;

Columns CsvColumns(const std::string& csv) {
    std::istringstream lines(csv);
    std::string line;
    std::getline(lines, line);
    std::vector<std::string> header;
    std::istringstream head(line.substr(0, line.find('\r')));
    for (std::string cell; std::getline(head, cell, ',');) header.push_back(cell);
    Columns columns;
    while (std::getline(lines, line)) {
        std::istringstream row(line.substr(0, line.find('\r')));
        std::size_t i = 0;
        for (std::string cell; std::getline(row, cell, ',') && i < header.size(); ++i)
            columns[header[i]].push_back(cell);
        for (; i < header.size(); ++i) columns[header[i]].push_back("");
    }
    return columns;
}

std::vector<std::pair<double, double>> Points(const TXYLineSeries& series) {
    std::vector<std::pair<double, double>> points;
    for (int i = 0; i < series.Count(); ++i)
        points.emplace_back(series.XValues.Value(i), series.YValues.Value(i));
    return points;
}

std::vector<std::pair<double, double>> Points(const Columns& columns, const std::string& y) {
    std::vector<std::pair<double, double>> points;
    for (std::size_t i = 0; i < columns.at("time_min").size(); ++i)
        if (!columns.at(y)[i].empty())
            points.emplace_back(std::stod(columns.at("time_min")[i]), std::stod(columns.at(y)[i]));
    return points;
}

void Settle(BatchRunPanel& panel) {
    panel.Runner().Flush();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !panel.Runner().Busy(); }, 60000));
}

void Type(QLineEdit& field, const char* text) {
    field.setFocus();
    field.selectAll();
    QTest::keyClicks(&field, QString::fromUtf8(text));
}

// The curves, the reflux panel, the cut lines and both tables are the
// tool's timeline and cut table for the same texts, by weight and by
// volume, with the default cuts and the user's own, under both policies;
// the pointer reads the reflux of the row under it.
TEST(BatchRunPanel, CurvesAndTableAreTheCompanionToolsRun) {
    BatchTexts own;
    own.charge = "15000";
    own.chargeUnit = "g";
    own.cuts = "foreshots:30g; hearts:<85; feints:<40";
    own.stopBoiler = "1.5";
    own.every = "7.5";
    // Cut and stopped by the head thermometer, 600 m up.
    BatchTexts head;
    head.altitude = "600";
    head.cuts = "heads:3%; hearts:>80.5C; tails:end";
    head.stopProduct = ">96C";
    BatchTexts held;  // the reflux rises to hold the target
    held.policy = "strength";
    held.targetStrength = "85";
    held.maxReflux = "40";
    const struct {
        InputTexts typed;
        StrengthUnit unit;
        BatchTexts texts;
    } cases[] = {
        {{"1500", "10", "20", "3"}, StrengthUnit::Weight, BatchTexts{}},
        {{"2000", "12.5", "8", "2.5"}, StrengthUnit::Volume, own},
        {{"1500", "10", "20", "3"}, StrengthUnit::Volume, head},
        {{"1500", "10", "8", "3"}, StrengthUnit::Volume, held},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.strength);
        BatchRunPanel panel(kPoint);
        panel.show();
        panel.SetTexts(c.texts);
        panel.ShowCase(CaseOf(c.typed, c.unit));
        Settle(panel);
        ASSERT_TRUE(panel.RunCurrent()) << panel.Summary().toStdString();
        const std::vector<std::string> args = BatchArgs(c.typed, c.unit, c.texts);
        std::vector<std::string> cutArgs = args;
        cutArgs.push_back("--cuts");
        EXPECT_EQ(panel.TableCsv(), test::CompanionOutput(cutArgs));
        const std::string timelineCsv = test::CompanionOutput(args);
        EXPECT_EQ(panel.SecondTableCsv(), timelineCsv);
        const Columns timeline = CsvColumns(timelineCsv);
        EXPECT_EQ(Points(panel.Chart().Reflux()), Points(timeline, "reflux"));
        EXPECT_EQ(panel.RefluxView().isVisible(), c.texts.policy == "strength");
        const bool volume = c.unit == StrengthUnit::Volume;
        EXPECT_EQ(Points(panel.Chart().Product()),
                  Points(timeline, volume ? "product_strength_vol" : "product_strength"));
        EXPECT_EQ(Points(panel.Chart().Boiler()),
                  Points(timeline, volume ? "strength_vol" : "strength"));
        EXPECT_EQ(Points(panel.Chart().Collected()), Points(timeline, "collected"));
        EXPECT_EQ(Points(panel.Chart().HeadTemperature()), Points(timeline, "head_temperature"));
        const Columns cuts = CsvColumns(panel.TableCsv());
        ASSERT_EQ(panel.Chart().CutLines().size(), cuts.at("name").size() - 1);
        for (std::size_t i = 1; i < cuts.at("name").size(); ++i) {
            const TXYLineSeries& line = *panel.Chart().CutLines()[i - 1];
            EXPECT_EQ(line.Title, cuts.at("name")[i] + " begins");
            EXPECT_EQ(line.EndLabel, cuts.at("name")[i]);
            EXPECT_EQ(line.XValues.Value(0), std::stod(cuts.at("start_min")[i]));
        }
        EXPECT_EQ(panel.Table().rowCount(), static_cast<int>(cuts.at("name").size()));
        // At a row's minute the pointer reads that row's reflux.
        panel.Pane().View().grab();
        const ChartLayout& layout = panel.Pane().Chart().Layout();
        const std::size_t row = timeline.at("time_min").size() * 2 / 3;
        const double minute = std::stod(timeline.at("time_min")[row]);
        panel.Pane().ReadAt({layout.Axis(AxisSide::Bottom).Scale.CalcPosValue(minute),
                             (layout.ChartRect.Top + layout.ChartRect.Bottom) / 2});
        const std::string reflux = ReadoutNumber(std::stod(timeline.at("reflux")[row]), kPoint);
        EXPECT_TRUE(panel.Pane().Readout().contains(
            QString::fromStdString(" min: reflux " + reflux + ", product ")))
            << panel.Pane().Readout().toStdString() << " at row " << row;
    }
}

// The head temperature takes the right axis in the amount collected's
// place: its whole curve in view, the line of a cut by the head
// thermometer where the curve crosses that cut's temperature, the pointer
// reading it first; hidden again, the chart is the picture it was.
TEST(BatchRunPanel, TheHeadTemperatureTakesTheRightAxisAndGivesItBack) {
    constexpr double kCrossing = 80.5;
    BatchTexts texts;
    texts.altitude = "600";
    texts.cuts = "heads:3%; hearts:>80.5C; tails:end";
    BatchRunPanel panel(kPoint);
    panel.resize(1000, 700);
    panel.show();
    panel.SetTexts(texts);
    panel.ShowCase(CaseOf({"1500", "10", "20", "3"}, StrengthUnit::Volume));
    Settle(panel);
    ASSERT_TRUE(panel.RunCurrent()) << panel.Summary().toStdString();
    const QImage before = panel.Pane().View().grab().toImage();

    panel.HeadTemperatureBox().click();
    const BatchChart& chart = panel.Chart();
    EXPECT_TRUE(chart.HeadTemperature().Active);
    EXPECT_FALSE(chart.Collected().Active);
    panel.Pane().View().grab();
    const ChartLayout& layout = panel.Pane().Chart().Layout();
    const AxisLayout& right = layout.Axis(AxisSide::Right);
    EXPECT_EQ(right.TitleText, "Head temperature, °C");
    // Every point in view on a scale of degrees; tails begin as the head
    // rises past 80.5 degC: below it before their line, at it on the line.
    const auto head = Points(chart.HeadTemperature());
    ASSERT_EQ(chart.CutLines().size(), 2u);
    const double tails = chart.CutLines()[1]->XValues.Value(0);
    int onTheLine = 0;
    for (const auto& [minute, celsius] : head) {
        EXPECT_TRUE(celsius >= right.Scale.IMinimum && celsius <= right.Scale.IMaximum);
        EXPECT_TRUE(minute >= tails || celsius < kCrossing) << minute;
        if (minute != tails) continue;
        ++onTheLine;
        EXPECT_NEAR(celsius, kCrossing, 1e-3);
    }
    EXPECT_EQ(onTheLine, 1);
    EXPECT_LT(right.Scale.IMaximum - right.Scale.IMinimum, 30);
    // The pointer over a row reads that row's head temperature.
    const auto& [minute, celsius] = head[head.size() / 2];
    panel.Pane().ReadAt({layout.Axis(AxisSide::Bottom).Scale.CalcPosValue(minute),
                         (layout.ChartRect.Top + layout.ChartRect.Bottom) / 2});
    EXPECT_TRUE(panel.Pane().Readout().contains(
        QString::fromStdString(" min: head " + ReadoutNumber(celsius, kPoint) + " °C, reflux ")))
        << panel.Pane().Readout().toStdString();

    panel.HeadTemperatureBox().click();
    EXPECT_EQ(panel.Pane().View().grab().toImage(), before);
}

// A change hands a new run to the worker and returns at once: the event
// loop turns while a long strength-policy run is in hand, the change
// cancels it, and only the newest texts' run is delivered.
TEST(BatchRunPanel, AChangeRecalculatesWithoutBlockingAndDropsTheOvertakenRun) {
    BatchRunPanel panel(kPoint);
    panel.show();
    BatchTexts slow;
    slow.policy = "strength";
    slow.targetStrength = "93";
    panel.SetTexts(slow);
    QSignalSpy delivered(&panel.Runner(), &BatchRunner::Finished);
    panel.ShowCase(CaseOf({"1000", "10", "100", "3"}, StrengthUnit::Weight));
    panel.Runner().Flush();
    bool turned = false;
    QTimer::singleShot(0, [&] { turned = true; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return turned; }, 1000));
    EXPECT_TRUE(panel.Runner().Busy());  // the long run is still in hand
    panel.Policy().setCurrentIndex(0);   // back to a constant reflux
    Type(panel.Field(&BatchTexts::charge), "12000");
    EXPECT_TRUE(panel.Runner().Busy());
    Settle(panel);
    ASSERT_EQ(delivered.count(), 1);
    BatchTexts newest;
    newest.charge = "12000";
    std::vector<std::string> args =
        BatchArgs({"1000", "10", "100", "3"}, StrengthUnit::Weight, newest);
    args.push_back("--cuts");
    EXPECT_EQ(panel.TableCsv(), test::CompanionOutput(args));
}

// While a long run is calculated the last run stays, grey, its table greyed
// too, under a progress bar that follows the run's share done; the next run
// done brings back the colours and hides the bar.
TEST(BatchRunPanel, ARunInProgressGreysTheLastRunAndShowsItsProgress) {
    BatchRunPanel panel(kPoint);
    panel.show();
    const InputTexts inputs{"1000", "10", "100", "3"};
    panel.ShowCase(CaseOf(inputs, StrengthUnit::Weight));
    Settle(panel);
    const auto points = Points(panel.Chart().Product());
    const ColorValue own = panel.Chart().Product().SeriesColor;
    EXPECT_TRUE(panel.Progress().isHidden());
    panel.Policy().setCurrentIndex(1);
    Type(panel.Field(&BatchTexts::targetStrength), "93");
    panel.Runner().Flush();
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel.Progress().isVisible(); }, 5000));
    EXPECT_TRUE(panel.Runner().Busy());
    EXPECT_EQ(panel.Chart().Product().SeriesColor, CurveColor(own, false));
    EXPECT_EQ(Points(panel.Chart().Product()), points);
    EXPECT_FALSE(panel.Table().isEnabled());
    EXPECT_TRUE(panel.Summary().startsWith("Calculating the run")) << panel.Summary().toStdString();
    emit panel.Runner().Progressed(0.42);
    EXPECT_EQ(panel.Progress().value(), 420);
    EXPECT_TRUE(panel.Summary().contains("42 % done")) << panel.Summary().toStdString();

    panel.Policy().setCurrentIndex(0);
    Settle(panel);
    EXPECT_TRUE(panel.Progress().isHidden());
    EXPECT_TRUE(panel.Table().isEnabled());
    EXPECT_EQ(panel.Chart().Product().SeriesColor, own);
    EXPECT_TRUE(panel.Summary().startsWith("Heat-up ")) << panel.Summary().toStdString();
}

// A case the window cannot calculate, texts the run cannot read, and a run
// that fails all leave the last run's curves in grey, with an empty table
// and nothing to export, and say why; a good run brings the colours back.
TEST(BatchRunPanel, AFailedRunGreysTheCurvesAndExportsNothing) {
    BatchRunPanel panel(kPoint);
    panel.show();
    const InputTexts good{"1500", "10", "20", "3"};
    panel.ShowCase(CaseOf(good, StrengthUnit::Weight));
    Settle(panel);
    ASSERT_TRUE(panel.RunCurrent());
    const auto points = Points(panel.Chart().Product());
    const ColorValue own = panel.Chart().Product().SeriesColor;
    const std::function<void()> failures[] = {
        [&] {
            panel.ShowCase(CaseOf({"1500", "10", "20", "-1"}, StrengthUnit::Weight));
        },
        [&] { Type(panel.Field(&BatchTexts::charge), "20l"); },
        [&] { Type(panel.Field(&BatchTexts::cuts), "heads:5"); },
        [&] {
            // By volume, whose best strength has many digits.
            panel.ShowCase(CaseOf(good, StrengthUnit::Volume));
            panel.Policy().setCurrentIndex(1);
            Type(panel.Field(&BatchTexts::targetStrength), "99");
        },
    };
    const char* said[] = {"do not calculate", "Charge: '20l'", "\"5\"", "99"};
    for (std::size_t i = 0; i < std::size(failures); ++i) {
        SCOPED_TRACE(said[i]);
        failures[i]();
        Settle(panel);
        EXPECT_FALSE(panel.RunCurrent());
        EXPECT_EQ(panel.TableCsv(), "");
        EXPECT_FALSE(panel.ExportRefusal().empty());
        EXPECT_EQ(panel.Table().rowCount(), 0);
        EXPECT_EQ(Points(panel.Chart().Product()), points);
        EXPECT_EQ(panel.Chart().Product().SeriesColor, CurveColor(own, false));
        EXPECT_TRUE(panel.Summary().contains(QString::fromUtf8(said[i])))
            << panel.Summary().toStdString();
        // A calculated strength is given as the window shows strengths.
        if (i + 1 == std::size(failures)) {
            EXPECT_TRUE(
                QRegularExpression(QStringLiteral("the best is \\d+\\.\\d\\d % vol at reflux"))
                    .match(panel.Summary())
                    .hasMatch())
                << panel.Summary().toStdString();
        }
        panel.SetTexts(DefaultBatchTexts(StrengthUnit::Weight, kPoint));
        panel.ShowCase(CaseOf(good, StrengthUnit::Weight));
        Settle(panel);
        EXPECT_TRUE(panel.RunCurrent());
        EXPECT_EQ(panel.ExportRefusal(), "");
        EXPECT_EQ(panel.Chart().Product().SeriesColor, own);
    }
}

// Tab walks the form from the top, then the chart, the table and the run
// log's buttons; every control has a name, a tip and a label whose
// mnemonic letter reaches it.
TEST(BatchRunPanel, TabFollowsTheScreenAndEveryControlIsNamed) {
    BatchRunPanel panel(kPoint);
    panel.resize(1000, 700);
    panel.show();
    QWidget* first = &panel.Field(&BatchTexts::charge);
    std::vector<QWidget*> chain = {first};
    for (QWidget* w = first->nextInFocusChain(); w != first && chain.size() < 40;
         w = w->nextInFocusChain())
        if (panel.isAncestorOf(w) && w->isVisible() && (w->focusPolicy() & Qt::TabFocus))
            chain.push_back(w);
    ASSERT_EQ(chain.size(), kBatchTextKeys.size() + 5);
    for (std::size_t i = 0; i < kBatchTextKeys.size(); ++i) {
        QWidget* w = chain[i];
        SCOPED_TRACE(w->accessibleName().toStdString());
        EXPECT_FALSE(w->accessibleName().isEmpty());
        EXPECT_FALSE(w->toolTip().isEmpty());
        // The window's letters run out before the air pressure and the
        // altitude: those two have none, and their labels are no buddies.
        const auto text = kBatchTextKeys[i].text;
        const bool lettered = text != &BatchTexts::pressure && text != &BatchTexts::altitude;
        const QLabel& label = panel.Label(text);
        EXPECT_EQ(label.buddy(), lettered ? w : nullptr);
        EXPECT_EQ(label.text().contains(QRegularExpression(QStringLiteral("&[A-Za-z]"))), lettered)
            << label.text().toStdString();
        if (i > 0) {
            EXPECT_GT(w->mapTo(&panel, QPoint()).y(), chain[i - 1]->mapTo(&panel, QPoint()).y());
        }
    }
    // The chart's choice closes the form; every letter is taken, so it has none.
    QCheckBox& head = panel.HeadTemperatureBox();
    EXPECT_EQ(chain[kBatchTextKeys.size()], &head);
    EXPECT_GT(head.mapTo(&panel, QPoint()).y(),
              chain[kBatchTextKeys.size() - 1]->mapTo(&panel, QPoint()).y());
    EXPECT_FALSE(head.text().contains('&') || head.accessibleName().isEmpty() ||
                 head.toolTip().isEmpty());
    EXPECT_EQ(chain[kBatchTextKeys.size() + 1], panel.ExportChart());
    EXPECT_EQ(chain[kBatchTextKeys.size() + 2], &panel.Table());
    EXPECT_EQ(chain[kBatchTextKeys.size() + 3], &panel.LogBar().FitButton());
    EXPECT_EQ(chain.back(), &panel.LogBar().NotesButton());
    panel.ShowCase(CaseOf({"1500", "10", "20", "3"}, StrengthUnit::Weight));
    Settle(panel);
    panel.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
    panel.Table().setFocus(Qt::TabFocusReason);
    QTest::keyClick(&panel.Table(), Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), &panel.Table());
}

}  // namespace
}  // namespace colmara
