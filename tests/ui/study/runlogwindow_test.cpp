// A run log on the batch tab, through the study window: a log written from
// the model's own timeline lies on the model's curves, closing it leaves
// the chart as it was, a refused file changes nothing, the log's path goes
// through a setup file, and the tab's fit is FitLog's and is dropped when
// the inputs change.
#include <sys/stat.h>

#include <QFile>
#include <QMimeData>
#include <QSignalSpy>
#include <QUrl>
#include <cmath>
#include <cstdio>
#include <fstream>

#include "batch/batchform.h"
#include "batch/batchrun.h"
#include "batch/logfit.h"
#include "studyview/logfittext.h"
#include "studywindowfixture.h"

namespace colmara::test {
namespace {

class RunLogWindow : public StudyWindowFixture {
  protected:
    // The run the batch tab shows, run here on its own.
    BatchResult ModelRun(StudyWindow& window) const {
        return RunBatch(BatchRequestOf(window.Batch().Texts(), window.Inputs().Typed(),
                                       window.Inputs().Unit(), settings_),
                        settings_);
    }

    // A log of every timeline row where the product has a strength.
    QString WriteLog(const char* name, const BatchResult& run) const {
        const QString path = Path(name);
        std::ofstream out(path.toStdString());
        out << "time,product_strength,head_temperature,collected_g,notes\n";
        for (const BatchRow& row : run.timeline)
            if (const auto product = row.result.ProductStrength(StrengthUnit::Weight)) {
                char line[200];
                std::snprintf(line, sizeof line, "%.9Lf,%.9Lf,%.9Lf,%.9Lf,x\n", row.minute,
                              *product, row.headTemperature, row.collected);
                out << line;
            }
        return path;
    }

    // Opens `path` through the File menu's action and waits for its run.
    void OpenLog(StudyWindow& window, const QString& path) {
        answer_ = {path, {}};
        window.OpenRunLog();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Batch().LogBar().Reader().Busy(); }));
        SettleRun(window);
    }

    // Drops `path` on the batch tab as a file manager would; whether the
    // tab took it.
    static bool Drop(StudyWindow& window, const QString& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        enter.setAccepted(false);
        QApplication::sendEvent(&window.Batch(), &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window.Batch(), &drop);
        return true;
    }

    static void SettleRun(StudyWindow& window) {
        window.Batch().Runner().Flush();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Batch().Runner().Busy(); }, 60000));
        QApplication::processEvents();
    }
};

// The Y of `curve` at `minute`, which must be one of its X (as the log
// wrote it, to 1e-9).
double At(const TXYLineSeries& curve, double minute) {
    for (int i = 0; i < curve.Count(); ++i)
        if (std::fabs(curve.XValues[i] - minute) < 1e-8) return curve.YValues[i];
    ADD_FAILURE() << "no point at " << minute;
    return NAN;
}

void ExpectOnCurve(const TXYLineSeries& marks, const TXYLineSeries& curve, double tolerance) {
    ASSERT_GT(marks.Count(), 5);
    for (int i = 0; i < marks.Count(); ++i)
        EXPECT_NEAR(marks.YValues[i], At(curve, marks.XValues[i]), tolerance)
            << marks.Title << " at " << marks.XValues[i];
}

// Readings taken from the model's own timeline, dropped on the tab, sit on
// the model's curves, a head reading as the strength it means on the
// product's; the legend names the file; the column it does not know is a note; closing the log
// gives back the chart without it.
TEST_F(RunLogWindow, ReadingsOfTheModelLieOnItsCurvesAndCloseRemovesThem) {
    auto window = Open({1200, 800});
    BatchRunPanel& batch = window->Batch();
    window->Tabs().setCurrentWidget(&batch);
    SettleRun(*window);
    TChart& chart = batch.ExportChart()->Chart();
    const auto axes = [&] {
        return std::vector<double>{chart.BottomAxis().Maximum, chart.LeftAxis().Minimum,
                                   chart.LeftAxis().Maximum, chart.RightAxis().Maximum};
    };
    const std::vector<double> without = axes();
    const std::size_t series = chart.SeriesList().size();
    const QString path = WriteLog("run 1.csv", ModelRun(*window));
    EXPECT_FALSE(Drop(*window, Path("run 1.txt")));
    ASSERT_TRUE(Drop(*window, path));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !batch.LogBar().Reader().Busy(); }));
    SettleRun(*window);
    const LogMarks& log = batch.Chart().Log();
    ExpectOnCurve(log.Product(), batch.Chart().Product(), 1e-6);
    ExpectOnCurve(log.Collected(), batch.Chart().Collected(), 1e-6);
    // The head temperature was worked out from the product's strength.
    ExpectOnCurve(log.HeadStrength(), batch.Chart().Product(), 0.01);
    EXPECT_TRUE(log.Product().Active && log.Product().ShowInLegend);
    EXPECT_EQ(log.Product().Title, "run 1.csv");
    EXPECT_FALSE(log.Collected().ShowInLegend);
    EXPECT_FALSE(log.Head().Active);
    batch.HeadTemperatureBox().setChecked(true);
    ExpectOnCurve(log.Head(), batch.Chart().HeadTemperature(), 1e-6);
    EXPECT_TRUE(log.Head().Active && !log.Collected().Active);
    batch.HeadTemperatureBox().setChecked(false);
    EXPECT_TRUE(batch.LogBar().Status().startsWith(QStringLiteral("run 1.csv: ")));
    EXPECT_TRUE(batch.LogBar().Notes().contains(QStringLiteral("notes")));
    batch.CloseLog();
    EXPECT_TRUE(log.Empty());
    for (const TXYLineSeries* marks :
         {&log.Product(), &log.HeadStrength(), &log.Boiler(), &log.Collected(), &log.Head()})
        EXPECT_FALSE(marks->Active || marks->Count() > 0);
    EXPECT_EQ(axes(), without);
    EXPECT_EQ(chart.SeriesList().size(), series);
    EXPECT_FALSE(batch.LogBar().FitButton().isEnabled());
}

// A file that is no log leaves the log open, and its marks, as they were,
// and says why.
TEST_F(RunLogWindow, ARefusedFileKeepsTheLogOpen) {
    auto window = Open({1200, 800});
    BatchRunPanel& batch = window->Batch();
    const QString good = WriteLog("good.csv", ModelRun(*window));
    OpenLog(*window, good);
    const int marks = batch.Chart().Log().Product().Count();
    const QString fifo = Path("pipe.csv");
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    const QString empty = Path("empty.csv");
    std::ofstream(empty.toStdString()) << "time,remark\n1,a\n";
    const QString big = Path("big.csv");
    std::ofstream(big.toStdString()) << std::string(kMaxLogBytes + 1, '1');
    const struct {
        QString path;
        const char* says;
    } refused[] = {
        {dir_.path(), "Cannot open the run log"},
        {fifo, "Cannot open the run log"},
        {empty, "Cannot open the run log"},
        {big, "Cannot open the run log"},
        {Path("gone.csv"), "Cannot open the run log"},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.path.toStdString());
        OpenLog(*window, c.path);
        EXPECT_TRUE(batch.LogBar().Status().contains(QString::fromUtf8(c.says)))
            << batch.LogBar().Status().toStdString();
        EXPECT_TRUE(batch.LogBar().Status().contains(QStringLiteral("The log drawn stays.")));
        EXPECT_EQ(batch.LogBar().Path(), good);
        EXPECT_EQ(batch.Chart().Log().Product().Count(), marks);
    }
}

// A setup saved with a log opens it again; a setup whose log has gone
// still opens, and says the log could not be.
TEST_F(RunLogWindow, ASetupKeepsItsLog) {
    auto window = Open({1200, 800});
    BatchRunPanel& batch = window->Batch();
    const QString log = WriteLog("kept.csv", ModelRun(*window));
    OpenLog(*window, log);
    answer_ = {Path("with-log.json"), {}};
    window->SaveSetup();
    batch.CloseLog();
    answer_ = {Path("with-log.json"), {}};
    window->OpenSetup();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !batch.LogBar().Reader().Busy(); }));
    SettleRun(*window);
    EXPECT_EQ(batch.LogBar().Path(), log);
    EXPECT_GT(batch.Chart().Log().Product().Count(), 5);
    ASSERT_TRUE(QFile::remove(log));
    window->Inputs().Field(Input::Plates).SetText("7");
    answer_ = {Path("with-log.json"), {}};
    window->OpenSetup();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !batch.LogBar().Reader().Busy(); }));
    EXPECT_EQ(window->Inputs().Typed().plates, "20");
    EXPECT_TRUE(batch.LogBar().Status().contains(QStringLiteral("Cannot open the run log")));
}

// The tab's fit is FitLog's for the texts on screen; a change of the
// inputs while it runs drops it.
TEST_F(RunLogWindow, TheFitIsFitLogsAndAChangeDropsIt) {
    auto window = Open({1200, 800});
    BatchRunPanel& batch = window->Batch();
    window->Tabs().setCurrentWidget(&batch);
    SettleRun(*window);
    OpenLog(*window, WriteLog("fit.csv", ModelRun(*window)));
    RunLogBar& bar = batch.LogBar();
    ASSERT_TRUE(bar.FitButton().isEnabled());
    const BatchRequest request =
        BatchRequestOf(batch.Texts(), window->Inputs().Typed(), window->Inputs().Unit(), settings_);
    QTest::mouseClick(&bar.FitButton(), Qt::LeftButton);
    EXPECT_TRUE(bar.Fitter().Busy());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !bar.Fitter().Busy(); }, 120000));
    const LogFit direct = FitLog(request, *bar.Log(), {}, settings_);
    EXPECT_EQ(bar.FitText().toStdString(), LogFitText(direct, settings_));
    // The model's own readings fit it as given.
    EXPECT_LT(direct.misfitGiven, 1e-6);
    EXPECT_FALSE(direct.poorFit);
    QSignalSpy finished(&bar.Fitter(), &LogFitter::Finished);
    QTest::mouseClick(&bar.FitButton(), Qt::LeftButton);
    batch.Field(&BatchTexts::every).setText(QStringLiteral("3"));
    emit batch.Field(&BatchTexts::every).textEdited(QStringLiteral("3"));
    EXPECT_FALSE(bar.Fitter().Busy());
    EXPECT_TRUE(bar.FitText().isEmpty());
    QTest::qWait(300);
    EXPECT_EQ(finished.count(), 0);
    EXPECT_TRUE(bar.FitText().isEmpty());
}

}  // namespace
}  // namespace colmara::test
