#include "ui/study/sweeppanel.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <sstream>

#include "study/records.h"
#include "study/separatecalculate.h"
#include "ui/chart/chartview.h"
#include "ui/companionprogram.h"

namespace colmara {
namespace {

struct Range {
    Input varied;
    const char* from;
    const char* to;
    const char* step;
};

void Choose(SweepPanel& panel, const Range& range) {
    panel.findChild<QComboBox*>()->setCurrentIndex(static_cast<int>(range.varied));
    for (QLineEdit* edit : panel.findChildren<QLineEdit*>()) {
        const QString name = edit->accessibleName();
        edit->setText(name == "From" ? range.from : name == "To" ? range.to : range.step);
    }
}

StudyCase Typed(InputTexts typed, StrengthUnit unit = StrengthUnit::Weight) {
    return StudyCase{std::move(typed), unit, {}};
}

void RunToEnd(SweepPanel& panel) {
    panel.Run();
    ASSERT_TRUE(QTest::qWaitFor([&panel] { return !panel.Running(); }, 120'000));
}

// What the companion tool writes for a sweep over the same texts, under a
// locale with ',' as decimal symbol when `comma`.
std::string CompanionCsv(const InputTexts& ranges, StrengthUnit unit, bool comma) {
    return test::CompanionOutput(
        {"sweep", "--units", unit == StrengthUnit::Volume ? "volume" : "weight", "--power",
         ranges.power, "--strength", ranges.strength, "--plates", ranges.plates, "--reflux",
         ranges.reflux},
        comma);
}

std::vector<std::pair<double, double>> Points(const TChartSeries& series) {
    std::vector<std::pair<double, double>> points;
    for (int i = 0; i < series.Count(); ++i)
        points.emplace_back(series.XValues.Value(i), series.YValues.Value(i));
    return points;
}

// Each sweep runs to its end on two workers, and its table and curves hold,
// row for row, separate calculations of the texts the grid gives for the
// same range in '.' form. In the comma locale the range is typed with ','.
// Failing rows (101 plates, a negative strength) keep their error and leave
// no point on the chart.
TEST(SweepPanel, RowsEqualSeparateCalculations) {
    struct Case {
        Range range;
        InputTexts ranges;  // the same grid as the companion tool is given it
        StrengthUnit unit;
        bool comma;
    };
    const Case cases[] = {
        {{Input::Reflux, "0,5", "3", "0,5"}, {"1000", "1", "20", "0.5:3:0.5"}, {}, true},
        {{Input::Plates, "95", "101", "3"}, {"1000", "1", "95:101:3", "15"}, {}, false},
        {{Input::Power, "3000", "500", "-1250"}, {"3000:500:-1250", "10", "8", "2"}, {}, false},
        {{Input::Strength, "-5", "15", "10"}, {"1200", "-5:15:10", "20", "15"}, {}, false},
        {{Input::Strength, "10", "40", "15"},
         {"1000", "10:40:15", "6", "3,5"},
         StrengthUnit::Volume,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ranges.power + "/" + c.ranges.strength + "/" + c.ranges.plates + "/" +
                     c.ranges.reflux);
        const FormatSettings settings = c.comma ? test::CommaSettings() : FormatSettings();
        SweepPanel panel(settings);
        panel.SetThreads(2);
        InputTexts typed = c.ranges;  // the varied text is ignored
        panel.ShowCase(Typed(typed, c.unit));
        Choose(panel, c.range);
        RunToEnd(panel);
        EXPECT_EQ(panel.Message(), "");

        const SweepGrid grid(c.ranges, settings, c.unit);
        std::string csv = CsvHeader(SweepRecord(SweepRow{}, c.unit));
        std::vector<std::pair<double, double>> strength, amount;
        for (std::uint64_t i = 0; i < grid.RowCount(); ++i) {
            const SweepRow row{i, grid.InputsAt(i),
                               test::SeparateCalculate(grid.InputsAt(i), settings),
                               grid.GivenStrengthAt(i)};
            csv += CsvLine(SweepRecord(row, c.unit));
            InputTexts given = row.inputs;
            given.strength = row.givenStrength;
            const std::string& x = TextOf(given, c.range.varied);
            const double at = static_cast<double>(ParseExtended(x, settings));
            if (!row.result.Solved()) continue;
            strength.emplace_back(at, static_cast<double>(*row.result.ProductStrength(c.unit)));
            amount.emplace_back(at, static_cast<double>(*row.result.productAmount));
        }
        EXPECT_EQ(panel.TableCsv(), csv);
        const auto& series = panel.ExportChart()->Chart().SeriesList();
        ASSERT_EQ(series.size(), 2u);
        EXPECT_EQ(Points(*series[0]), strength);
        EXPECT_EQ(Points(*series[1]), amount);
        // Over the boiler strength the two curves can coincide: the legend
        // (and so the readout) names the line and axis of each.
        const bool alike = c.range.varied == Input::Strength;
        EXPECT_EQ(series[0]->Title.find("(solid, left axis)") != std::string::npos, alike);
        EXPECT_EQ(series[1]->Title.find("(dashed, right axis)") != std::string::npos, alike);
    }
}

// The table is the companion tool's output byte for byte, and the
// clipboard's text the same cells between tabs.
TEST(SweepPanel, TableIsTheCompanionToolsOutput) {
    const FormatSettings comma = test::CommaSettings();
    SweepPanel panel(comma);
    panel.ShowCase(Typed({"1500", "12,5", "10", "3"}, StrengthUnit::Volume));
    Choose(panel, {Input::Reflux, "1", "4", "0,5"});
    RunToEnd(panel);
    const std::string companion =
        CompanionCsv({"1500", "12,5", "10", "1:4:0.5"}, StrengthUnit::Volume, true);
    EXPECT_EQ(panel.TableCsv(), companion);

    // '.' symbols leave nothing to quote: the same text with tabs and LF.
    const FormatSettings dotSettings;
    SweepPanel dot(dotSettings);
    dot.ShowCase(Typed({"1500", "12.5", "10", "3"}));
    Choose(dot, {Input::Plates, "2", "12", "5"});
    RunToEnd(dot);
    std::string tsv = CompanionCsv({"1500", "12.5", "2:12:5", "3"}, StrengthUnit::Weight, false);
    EXPECT_EQ(dot.TableCsv(), tsv);
    for (std::size_t at; (at = tsv.find("\r\n")) != std::string::npos;) tsv.erase(at, 1);
    std::replace(tsv.begin(), tsv.end(), ',', '\t');
    EXPECT_EQ(dot.TableTsv(), tsv);
}

// Until a run, the empty chart is titled for the run the panel would start:
// the input chosen, in the unit of the case shown. A run's titles then stay.
TEST(SweepPanel, TheEmptyChartNamesTheChosenInputAndUnit) {
    const FormatSettings settings;
    SweepPanel panel(settings);
    TChart& chart = panel.ExportChart()->Chart();
    auto titles = [&chart] { return std::pair(chart.BottomAxis().Title, chart.LeftAxis().Title); };
    panel.ShowCase(Typed({"1000", "10", "5", "3"}, StrengthUnit::Volume));
    EXPECT_EQ(titles(),
              std::pair(std::string("Reflux ratio"), std::string("Product strength, % vol")));
    Choose(panel, {Input::Strength, "10", "20", "10"});
    EXPECT_EQ(titles().first, "Boiler strength, % vol");

    panel.ShowCase(Typed({"1000", "10", "5", "3"}));
    RunToEnd(panel);
    const auto run = titles();
    EXPECT_EQ(run, std::pair(std::string("Boiler strength, % by weight"),
                             std::string("Product strength, % by weight")));
    panel.ShowCase(Typed({"1000", "10", "5", "3"}, StrengthUnit::Volume));
    Choose(panel, {Input::Plates, "1", "2", "1"});
    EXPECT_EQ(titles(), run);
}

// Cancelling keeps a whole prefix of the grid: the rows shown are the first
// rows of the same sweep run to its end.
TEST(SweepPanel, CancelKeepsWholeRows) {
    const FormatSettings settings;
    SweepPanel panel(settings);
    panel.SetThreads(2);
    panel.ShowCase(Typed({"1000", "1", "100", "15"}));
    Choose(panel, {Input::Reflux, "1", "100000", "1"});
    panel.Run();
    ASSERT_TRUE(QTest::qWaitFor([&panel] { return panel.RowCount() >= 3; }, 60'000));
    panel.Cancel();
    ASSERT_TRUE(QTest::qWaitFor([&panel] { return !panel.Running(); }, 60'000));
    const std::string csv = panel.TableCsv();
    const auto rows = std::count(csv.begin(), csv.end(), '\n') - 1;
    ASSERT_GT(rows, 0);
    ASSERT_LT(rows, 100000);
    EXPECT_EQ(panel.Message().toStdString(),
              "Cancelled after " + std::to_string(rows) + " of 100000 rows");
    EXPECT_EQ(csv, CompanionCsv({"1000", "1", "100", "1:" + std::to_string(rows)},
                                StrengthUnit::Weight, false));
}

// A range that cannot run is refused with the message naming the input; the
// table of the last run stays.
TEST(SweepPanel, MalformedRangeShowsItsMessage) {
    struct Case {
        Range range;
        StrengthUnit unit;
        const char* message;
    };
    const Case cases[] = {
        {{Input::Reflux, "abc", "3", "1"}, {}, "reflux: from 'abc' is not a number"},
        {{Input::Reflux, "1", "", "1"}, {}, "reflux: to '' is not a number"},
        {{Input::Reflux, "1", "3", "0.5"}, {}, "reflux: step '0.5' is not a number"},
        {{Input::Power, "1", "3", "1:2"}, {}, "power: step '1:2' is not a number"},
        {{Input::Reflux, "1", "3", "0"}, {}, "reflux: step 0 in range '1:3:0'"},
        {{Input::Plates, "1", "3", "0,5"},
         {},
         "plates: 0.5 is not a whole number in range '1:3:0.5'"},
        {{Input::Strength, "1", "3", "-1"},
         {},
         "strength: step -1 never reaches 3 from 1 in range '1:3:-1'"},
        {{Input::Strength, "90", "110", "10"},
         StrengthUnit::Volume,
         "strength: 110 % by volume in range '90:110:10' is outside 0 to 100 %"},
        {{Input::Power, "1", "100001", "1"},
         {},
         "power: more than 100000 values; the companion tool runs larger sweeps"},
    };
    const FormatSettings comma = test::CommaSettings();
    SweepPanel panel(comma);
    Choose(panel, {Input::Reflux, "1", "2", "1"});
    RunToEnd(panel);
    const std::string table = panel.TableCsv();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        panel.ShowCase(Typed({}, c.unit));
        Choose(panel, c.range);
        panel.Run();
        EXPECT_FALSE(panel.Running());
        EXPECT_EQ(panel.Message().toStdString(), c.message);
        EXPECT_EQ(panel.TableCsv(), table);
    }
}

// The fixed inputs and the unit are those of the newest case when Run is
// pressed; a new case alone reruns nothing.
TEST(SweepPanel, NewCaseChangesTheNextRun) {
    const FormatSettings settings;
    SweepPanel panel(settings);
    panel.ShowCase(Typed({"1000", "1", "20", "15"}));
    Choose(panel, {Input::Reflux, "2", "4", "2"});
    RunToEnd(panel);
    const std::string first = panel.TableCsv();
    EXPECT_EQ(first, CompanionCsv({"1000", "1", "20", "2:4:2"}, StrengthUnit::Weight, false));

    panel.ShowCase(Typed({"2000", "8", "5", "15"}, StrengthUnit::Volume));
    EXPECT_FALSE(panel.Running());
    EXPECT_EQ(panel.TableCsv(), first);
    RunToEnd(panel);
    EXPECT_EQ(panel.TableCsv(),
              CompanionCsv({"2000", "8", "5", "2:4:2"}, StrengthUnit::Volume, false));
}

}  // namespace
}  // namespace colmara
