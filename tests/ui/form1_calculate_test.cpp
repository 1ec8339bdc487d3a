// The calculate click as the user sees it: the lists and the chart show what
// the calculation hands its sink (the report's text itself is the report
// layer's to check), errors go to the box, and the window stays usable.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "model/column.h"
#include "report/calculate.h"
#include "report/reportcollector.h"
#include "runtime/numconv.h"
#include "ui/chart/chartwidget.h"
#include "ui/form1.h"
#include "ui/recordingreporter.h"

namespace colmara {
namespace {

using test::RecordingReporter;

std::vector<std::string> Lines(const QListWidget* list) {
    std::vector<std::string> lines;
    for (int i = 0; i < list->count(); ++i) lines.push_back(list->item(i)->text().toStdString());
    return lines;
}

// What a fresh column writes for these inputs and options.
ReportCollector Expected(const InputTexts& inputs, ReportOptions options = {}) {
    Column column;
    ReportCollector collector;
    Calculate(column, inputs, collector, FixedReportOptions(options), ProcessFormatSettings());
    return collector;
}

// The values the chart's series holds, in point order.
std::vector<double> SeriesPoints(const THorizLineSeries& series) {
    std::vector<double> points;
    for (int i = 0; i < series.Count(); ++i) points.push_back(series.XValues[i]);
    return points;
}

void Click(QPushButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

TEST(Form1Calculate, AFieldKeepsAnyTextAndTheMessageQuotesItWhole) {
    // Past the 32,767 units a line edit keeps by default, ending in a
    // character outside the basic plane across that mark.
    const QString beer = QString::fromUtf8("\xF0\x9F\x8D\xBA");
    const struct {
        const char* what;
        QString text;
    } cases[] = {
        {"a surrogate pair across 32,767", QString(32766, QLatin1Char('9')) + beer},
        {"a long paste", QString(100000, QLatin1Char('1')) + QLatin1Char('x') + beer},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingReporter reporter;
        TForm1 form(reporter);
        form.Edit1->selectAll();
        form.Edit1->insert(c.text);
        EXPECT_EQ(form.Edit1->text(), c.text);
        Click(form.Button1);
        ASSERT_EQ(reporter.boxes.size(), 1u);
        EXPECT_EQ(reporter.boxes[0].text,
                  QStringLiteral("'%1' is not a valid integer value.").arg(c.text));
    }
}

TEST(Form1Calculate, FillsTheReportTopDownTheSummaryAndTheChart) {
    RecordingReporter reporter;
    TForm1 form(reporter);
    Click(form.Button1);
    EXPECT_TRUE(reporter.boxes.empty());

    const ReportCollector expected = Expected(InputTexts{});
    // 6 condenser and boiler lines each, 7 per plate.
    EXPECT_EQ(form.ListBox1->count(), 6 + 20 * 7 + 6);
    EXPECT_EQ(Lines(form.ListBox1), expected.ReportLines());
    EXPECT_EQ(Lines(form.ListBox2), expected.SummaryLines());
    EXPECT_EQ(SeriesPoints(form.Chart1->Series1()), expected.ChartPoints());

    // A second click replaces, never appends.
    Click(form.Button1);
    EXPECT_EQ(Lines(form.ListBox1), expected.ReportLines());
    EXPECT_EQ(Lines(form.ListBox2), expected.SummaryLines());
    EXPECT_EQ(SeriesPoints(form.Chart1->Series1()), expected.ChartPoints());
}

TEST(Form1Calculate, ReadsTheOptionBoxesWhenTheReportIsWritten) {
    const struct {
        bool reflux, vapour, liquid, temperature;
        int linesPerPlate;
    } cases[] = {
        {true, true, true, true, 7},
        {false, false, false, false, 3},
        {true, false, false, false, 4},
        {false, true, false, true, 5},
    };
    for (const auto& c : cases) {
        RecordingReporter reporter;
        TForm1 form(reporter);
        form.CheckBox7->setChecked(c.reflux);
        form.CheckBox8->setChecked(c.vapour);
        form.CheckBox9->setChecked(c.liquid);
        form.CheckBox10->setChecked(c.temperature);
        // "vapour leaving plate" adds nothing to the report.
        form.CheckBox6->setChecked(false);
        Click(form.Button1);
        ReportOptions options;
        options.reflux = c.reflux;
        options.vapour = c.vapour;
        options.liquid = c.liquid;
        options.temperature = c.temperature;
        EXPECT_EQ(form.ListBox1->count(), 12 + 20 * c.linesPerPlate);
        EXPECT_EQ(Lines(form.ListBox1), Expected(InputTexts{}, options).ReportLines());
    }
}

TEST(Form1Calculate, ToggledOptionsChangeNothingUntilTheNextCalculation) {
    RecordingReporter reporter;
    TForm1 form(reporter);
    Click(form.Button1);
    const std::vector<std::string> before = Lines(form.ListBox1);
    for (QCheckBox* box :
         {form.CheckBox6, form.CheckBox7, form.CheckBox8, form.CheckBox9, form.CheckBox10})
        QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_FALSE(form.CheckBox7->isChecked());
    EXPECT_EQ(Lines(form.ListBox1), before);
    Click(form.Button1);
    EXPECT_EQ(form.ListBox1->count(), 12 + 20 * 3);
}

TEST(Form1Calculate, ShowsEachErrorInTheBoxAndStaysUsable) {
    const struct {
        QLineEdit* TForm1::*field;
        const char* text;
        const char* shown;
        bool reportEmpty;
    } cases[] = {
        {&TForm1::Edit1, "abc", "'abc' is not a valid integer value.", true},
        {&TForm1::Edit2, "abc", "'abc' is not a valid floating point value.", true},
        {&TForm1::Edit3, "abc", "'abc' is not a valid integer value.", true},
        {&TForm1::Edit4, "abc", "'abc' is not a valid floating point value.", true},
        {&TForm1::Edit1, "", "'' is not a valid integer value.", true},
        {&TForm1::Edit2, "12,5", "'12,5' is not a valid floating point value.", true},
        {&TForm1::Edit4, "-1", "Floating point division by zero.", true},
    };
    const ReportCollector valid = Expected(InputTexts{});
    for (const auto& c : cases) {
        RecordingReporter reporter;
        TForm1 form(reporter);
        QLineEdit* field = form.*(c.field);
        SCOPED_TRACE(std::string(c.text) + " in " + field->objectName().toStdString());
        Click(form.Button1);
        const QString original = field->text();
        field->setText(QString::fromUtf8(c.text));
        Click(form.Button1);

        ASSERT_EQ(reporter.boxes.size(), 1u);
        EXPECT_EQ(reporter.boxes[0].caption, QStringLiteral("Colmara"));
        EXPECT_EQ(reporter.boxes[0].text, QString::fromUtf8(c.shown));
        EXPECT_EQ(form.ListBox1->count() == 0, c.reportEmpty);
        // The summary and the chart still show the previous calculation.
        EXPECT_EQ(Lines(form.ListBox2), valid.SummaryLines());
        EXPECT_EQ(SeriesPoints(form.Chart1->Series1()), valid.ChartPoints());

        // The window goes on, and the next valid calculation is right.
        field->setText(original);
        Click(form.Button1);
        EXPECT_EQ(reporter.boxes.size(), 1u);
        EXPECT_EQ(Lines(form.ListBox1), valid.ReportLines());
        EXPECT_EQ(Lines(form.ListBox2), valid.SummaryLines());
    }
}

}  // namespace
}  // namespace colmara
