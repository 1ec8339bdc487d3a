#include "report/reportwriter.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <string>
#include <vector>

#include "model/column.h"
#include "model/properties.h"
#include "report/reportcollector.h"
#include "runtime/exceptions.h"
#include "runtime/fpcheck.h"

namespace colmara {
namespace {

// A two-plate column with round figures, set by hand so that every line's
// expected text follows from the labels, pictures and units alone.
Column TwoPlateColumn() {
    Column column;
    column.boilerstrength = 0.2L;
    column.boilervapour = 2889.94L;
    column.boileralcohol = 1883.9L;
    column.plates = 2;
    column.refluxtable[1] = 975.5L;
    column.liquidtable[1] = 0.2L;
    column.vapourtable[1] = 0.65L;
    column.temperaturetable[1] = 84.25L;
    column.refluxtable[2] = 1809.4L;
    column.liquidtable[2] = 0.8419L;
    column.vapourtable[2] = 0.8821L;
    column.temperaturetable[2] = 79.04L;
    column.productamount = 1914.46L;
    column.refluxfactor = 2;
    column.topstrength = 0.8821L;
    column.productalcohol = 1688.8L;
    return column;
}

const std::vector<std::string> kTwoPlateReport = {
    " ",
    "--Condenser--",
    "Product strength:   88.21 %",
    "Reflux returned:    1914 g/h",
    "Product amount:    1914 g/h",
    "---------",
    " ",
    "--plate 2--",
    "Temperature          79.0  C",
    "vapour strength     88.21 %",
    "liquid strength        84.19 %",
    "Reflux from plate   1809 g/h",
    "---------",
    " ",
    "--plate 1--",
    "Temperature          84.3  C",
    "vapour strength     65.00 %",
    "liquid strength        20.00 %",
    "Reflux from plate   976 g/h",
    "---------",
    " ",
    "--boiler--",
    "alcohol leaving:   1884 g/h",
    "mass leaving:       2890 g/h",
    "vapour strength:   65.19 %",
    "liquid strength:      20 %",
};

// Hands out a scripted option set per call and counts the calls.
class ScriptedOptions : public ReportOptionSource {
  public:
    explicit ScriptedOptions(std::vector<ReportOptions> script) : script_(std::move(script)) {}
    ReportOptions CurrentOptions() const override {
        const ReportOptions options = script_[calls_ % script_.size()];
        ++calls_;
        return options;
    }
    int Calls() const { return calls_; }

  private:
    std::vector<ReportOptions> script_;
    mutable int calls_ = 0;
};

// Records the kind of every sink call, in order.
class CallLog : public ReportSink {
  public:
    void ClearReport() override { calls.push_back("clear report"); }
    void InsertReportLine(const std::string&) override { calls.push_back("line"); }
    void ClearSummary() override { calls.push_back("clear summary"); }
    void AppendSummaryLine(const std::string&) override { calls.push_back("summary"); }
    void ClearChart() override { calls.push_back("clear chart"); }
    void AddChartPoint(double) override { calls.push_back("point"); }
    std::vector<std::string> calls;
};

// A collector prefilled as if an earlier calculation had been shown.
ReportCollector ShowingEarlierResult() {
    ReportCollector sink;
    sink.AppendSummaryLine("earlier");
    sink.AddChartPoint(-1.0);
    return sink;
}

TEST(WriteReport, WritesEveryLineWithItsLabelPictureAndUnit) {
    ReportCollector sink;
    WriteReport(TwoPlateColumn(), sink, FixedReportOptions(), FormatSettings());
    EXPECT_EQ(sink.ReportLines(), kTwoPlateReport);
    EXPECT_EQ(sink.SummaryLines(), (std::vector<std::string>{"Total amount stripped:", "89.6"}));
    const std::vector<double> chart = {static_cast<double>(vapourstrength(0.2L) * 100),
                                       static_cast<double>(0.65L * 100),
                                       static_cast<double>(0.8821L * 100)};
    EXPECT_EQ(sink.ChartPoints(), chart);
}

TEST(WriteReport, NumbersUseTheDecimalSeparatorOfTheSettings) {
    ReportCollector sink;
    WriteReport(TwoPlateColumn(), sink, FixedReportOptions(), FormatSettings{",", "."});
    const auto lines = sink.ReportLines();
    EXPECT_EQ(lines[2], "Product strength:   88,21 %");
    EXPECT_EQ(lines[8], "Temperature          79,0  C");
    EXPECT_EQ(lines[24], "vapour strength:   65,19 %");
    EXPECT_EQ(sink.SummaryLines().back(), "89,6");
}

TEST(WriteReport, WritesBoilerThenChartThenPlatesThenSummary) {
    Column column = TwoPlateColumn();
    column.plates = 1;
    CallLog log;
    WriteReport(column, log, FixedReportOptions(), FormatSettings());
    std::vector<std::string> expected(6, "line");  // the boiler block
    expected.insert(expected.end(), {"clear chart", "point"});
    expected.insert(expected.end(), 7, "line");  // plate 1 with every option
    expected.push_back("point");
    expected.insert(expected.end(), 6, "line");  // the condenser block
    expected.insert(expected.end(), {"clear summary", "summary", "summary"});
    // Emptying the report list is the calculate action's first step, not the writer's.
    EXPECT_EQ(log.calls, expected);
}

TEST(WriteReport, ReadsTheOptionsAgainForEachPlate) {
    const ReportOptions all;
    const ReportOptions none{false, false, false, false};
    const ReportOptions liquidOnly{false, true, false, false};
    ScriptedOptions options({none, liquidOnly, all});
    Column column = TwoPlateColumn();
    column.plates = 3;
    column.refluxtable[3] = 1;
    column.liquidtable[3] = 0.9L;
    column.vapourtable[3] = 0.9L;
    column.temperaturetable[3] = 78.5L;
    ReportCollector sink;
    WriteReport(column, sink, options, FormatSettings());
    EXPECT_EQ(options.Calls(), 3);
    const auto lines = sink.ReportLines();
    const std::vector<std::string> plates(lines.begin() + 6, lines.end() - 6);
    const std::vector<std::string> expected = {" ",
                                               "--plate 3--",
                                               "Temperature          78.5  C",
                                               "vapour strength     90.00 %",
                                               "liquid strength        90.00 %",
                                               "Reflux from plate   1 g/h",
                                               "---------",
                                               " ",
                                               "--plate 2--",
                                               "liquid strength        84.19 %",
                                               "---------",
                                               " ",
                                               "--plate 1--",
                                               "---------"};
    EXPECT_EQ(plates, expected);
    EXPECT_EQ(sink.ChartPoints().size(), 4u);
}

TEST(WriteReport, NoPlateLinesBelowOnePlate) {
    for (int plates : {0, -1, -100}) {
        SCOPED_TRACE(plates);
        Column column = TwoPlateColumn();
        column.plates = plates;
        ScriptedOptions options({ReportOptions{}});
        ReportCollector sink;
        WriteReport(column, sink, options, FormatSettings());
        std::vector<std::string> expected(kTwoPlateReport.begin(), kTwoPlateReport.begin() + 6);
        expected.insert(expected.end(), kTwoPlateReport.end() - 6, kTwoPlateReport.end());
        EXPECT_EQ(sink.ReportLines(), expected);
        EXPECT_EQ(sink.ChartPoints().size(), 1u);
        EXPECT_EQ(options.Calls(), 0);
    }
}

TEST(WriteReport, SummaryDivisionFaultLeavesOnlyTheCaption) {
    struct Case {
        long double productalcohol;
        std::string message;
    };
    for (const Case& c : {Case{1688.8L, "Floating point division by zero"},
                          Case{-3.0L, "Floating point division by zero"},
                          Case{0.0L, "Invalid floating point operation"}}) {
        SCOPED_TRACE(c.message);
        Column column = TwoPlateColumn();
        column.boileralcohol = 0;
        column.productalcohol = c.productalcohol;
        ReportCollector sink = ShowingEarlierResult();
        ClearFloatingPointFlags();
        try {
            WriteReport(column, sink, FixedReportOptions(), FormatSettings());
            ADD_FAILURE() << "no fault";
        } catch (const EMathError& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
        EXPECT_EQ(sink.ReportLines().size(), kTwoPlateReport.size());
        EXPECT_EQ(sink.ReportLines()[22], "alcohol leaving:   0 g/h");
        EXPECT_EQ(sink.ChartPoints().size(), 3u);
        EXPECT_EQ(sink.SummaryLines(), std::vector<std::string>{"Total amount stripped:"});
        EXPECT_EQ(std::fetestexcept(kFaultFlags), 0) << "a fault must not stay pending";
    }
}

TEST(WriteReport, FaultStopsAtTheLineOrPointThatRaisedIt) {
    // Plate 2's liquid strength overflows when scaled to per cent: the lines
    // before it stay, nothing after it is written.
    Column column = TwoPlateColumn();
    column.liquidtable[2] = 1e4931L;
    ReportCollector sink = ShowingEarlierResult();
    ClearFloatingPointFlags();
    EXPECT_THROW(WriteReport(column, sink, FixedReportOptions(), FormatSettings()), EOverflow);
    const auto lines = sink.ReportLines();
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[0], "Reflux from plate   1809 g/h");
    EXPECT_EQ(lines[1], "---------");
    EXPECT_EQ(sink.ChartPoints().size(), 2u);
    EXPECT_EQ(sink.SummaryLines(), std::vector<std::string>{"earlier"});

    // A vapour strength too large for a chart number faults at its point,
    // after the plate's lines.
    column = TwoPlateColumn();
    column.vapourtable[1] = 1e400L;
    sink = ShowingEarlierResult();
    EXPECT_THROW(WriteReport(column, sink, FixedReportOptions(), FormatSettings()), EOverflow);
    EXPECT_EQ(sink.ReportLines().front(), " ");
    EXPECT_EQ(sink.ReportLines()[1], "--plate 1--");
    EXPECT_EQ(sink.ChartPoints().size(), 1u);  // cleared, then the boiler point
}

// A sink whose own work leaves a division-by-zero flag up, as widget code may.
class FlagRaisingSink : public ReportCollector {
  public:
    void InsertReportLine(const std::string& line) override {
        ReportCollector::InsertReportLine(line);
        volatile double zero = 0;
        volatile double quotient = 1.0 / zero;
        (void)quotient;
    }
};

TEST(WriteReport, FlagsRaisedInsideTheSinkAreNotReportFaults) {
    FlagRaisingSink sink;
    ClearFloatingPointFlags();
    EXPECT_NO_THROW(WriteReport(TwoPlateColumn(), sink, FixedReportOptions(), FormatSettings()));
    EXPECT_EQ(sink.ReportLines(), kTwoPlateReport);
    EXPECT_EQ(sink.SummaryLines().size(), 2u);
}

}  // namespace
}  // namespace colmara
