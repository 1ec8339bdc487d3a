#include "report/reportwriter.h"

#include <cfenv>
#include <string>
#include <string_view>

#include "model/column.h"
#include "model/properties.h"
#include "runtime/fpcheck.h"

namespace colmara {

namespace {

// Writes lines and chart points one at a time. Every value is checked for a
// floating-point fault before anything is written from it, so a fault stops
// the report exactly at the line or point whose arithmetic raised it.
class LineWriter {
  public:
    LineWriter(ReportSink& sink, const FormatSettings& settings)
        : sink_(sink), settings_(settings) {}

    // label + value under picture + unit, joined with nothing between them.
    void Figure(std::string_view label, std::string_view picture, long double value,
                std::string_view unit) {
        const long double shown = Checked(value);
        std::string line(label);
        line += FormatExtended(picture, shown, settings_);
        line += unit;
        Text(line);
    }

    void Text(const std::string& line) {
        sink_.InsertReportLine(line);
        SettleFlags();
    }

    // Chart numbers are 64-bit: the model number is narrowed here, and the
    // narrowing is checked like any other arithmetic.
    void Point(long double value) {
        const double narrowed = Checked(static_cast<double>(value));
        sink_.AddChartPoint(narrowed);
        SettleFlags();
    }

    void ClearChart() {
        sink_.ClearChart();
        SettleFlags();
    }

    void Summary(const std::string& line) {
        sink_.AppendSummaryLine(line);
        SettleFlags();
    }

    void ClearSummary() {
        sink_.ClearSummary();
        SettleFlags();
    }

  private:
    // Every value was checked before it reached a sink, so a fault flag that
    // is up after a sink call was raised by the sink's own work (a list box
    // laying itself out, say), not by the report; it must not be blamed on
    // the next figure.
    static void SettleFlags() { std::feclearexcept(kFaultFlags); }

    ReportSink& sink_;
    const FormatSettings& settings_;
};

}  // namespace

long double RefluxReturned(const Column& column) {
    return column.productamount * column.refluxfactor - column.productamount;
}

// The division comes first, then the scaling to per cent.
long double TotalStripped(const Column& column) {
    return column.productalcohol / column.boileralcohol * 100;
}

void WriteReport(const Column& column, ReportSink& sink, const ReportOptionSource& options,
                 const FormatSettings& settings) {
    LineWriter out(sink, settings);

    // The boiler goes in first and so ends up at the bottom of the list.
    out.Figure("liquid strength:      ", "0", column.boilerstrength * 100, " %");
    out.Figure("vapour strength:   ", "00.00", vapourstrength(column.boilerstrength) * 100, " %");
    out.Figure("mass leaving:       ", "0", column.boilervapour, " g/h");
    out.Figure("alcohol leaving:   ", "0", column.boileralcohol, " g/h");
    out.Text("--boiler--");
    out.Text(" ");

    out.ClearChart();
    out.Point(vapourstrength(column.boilerstrength) * 100);

    for (int plate = 1; plate <= column.plates; ++plate) {
        // The options may change while the report is written; each plate
        // shows them as they are when its lines are written.
        const ReportOptions shown = options.CurrentOptions();
        out.Text("---------");
        if (shown.reflux)
            out.Figure("Reflux from plate   ", "0", column.refluxtable[plate], " g/h");
        if (shown.liquid)
            out.Figure("liquid strength        ", "00.00", column.liquidtable[plate] * 100, " %");
        if (shown.vapour)
            out.Figure("vapour strength     ", "00.00", column.vapourtable[plate] * 100, " %");
        if (shown.temperature)
            out.Figure("Temperature          ", "00.0", column.temperaturetable[plate], "  C");
        out.Text("--plate " + FormatInteger(plate) + "--");
        out.Text(" ");
        out.Point(column.vapourtable[plate] * 100);
    }

    out.Text("---------");
    out.Figure("Product amount:    ", "0", column.productamount, " g/h");
    out.Figure("Reflux returned:    ", "0", RefluxReturned(column), " g/h");
    out.Figure("Product strength:   ", "00.00", column.topstrength * 100, " %");
    out.Text("--Condenser--");
    out.Text(" ");

    // The share stripped: the division comes first, then the scaling to per
    // cent. With no alcohol leaving the boiler it faults, and the summary
    // keeps only its caption line.
    out.ClearSummary();
    out.Summary("Total amount stripped:");
    const long double stripped = Checked(TotalStripped(column));
    out.Summary(FormatExtended("0.0", stripped, settings));
}

}  // namespace colmara
