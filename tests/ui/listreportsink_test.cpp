// What the window adds to a calculation's output: report lines go on top of
// the report list, summary lines below each other, chart points onto the
// series with no label or colour of their own.
#include "ui/listreportsink.h"

#include <gtest/gtest.h>

#include <QListWidget>

#include "chart/horizlineseries.h"

namespace colmara {
namespace {

QStringList Lines(const QListWidget& list) {
    QStringList lines;
    for (int i = 0; i < list.count(); ++i) lines << list.item(i)->text();
    return lines;
}

TEST(ListReportSink, PutsReportLinesOnTopSummaryLinesBelowAndPointsOnTheSeries) {
    QListWidget report, summary;
    THorizLineSeries series;
    ListReportSink sink(&report, &summary, series);
    report.addItem(QStringLiteral("earlier"));
    summary.addItem(QStringLiteral("earlier"));
    series.Add(99);

    sink.ClearReport();
    sink.InsertReportLine("boiler");
    sink.InsertReportLine("plate 1");
    sink.InsertReportLine("condenser \xC2\xB0");
    sink.ClearSummary();
    sink.AppendSummaryLine("Total amount stripped:");
    sink.AppendSummaryLine("12.5");
    sink.ClearChart();
    sink.AddChartPoint(1.5);
    sink.AddChartPoint(-0.25);

    EXPECT_EQ(Lines(report), QStringList({QStringLiteral("condenser \u00B0"),
                                          QStringLiteral("plate 1"), QStringLiteral("boiler")}));
    EXPECT_EQ(Lines(summary),
              QStringList({QStringLiteral("Total amount stripped:"), QStringLiteral("12.5")}));
    ASSERT_EQ(series.Count(), 2);
    EXPECT_EQ(series.XValues[0], 1.5);
    EXPECT_EQ(series.XValues[1], -0.25);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(series.Label(i), "");
        EXPECT_EQ(series.ValueColor(i), series.SeriesColor);
    }
}

}  // namespace
}  // namespace colmara
