// What leaves the study window is what it shows for the inputs on screen,
// or nothing with the reason: on every tab, an export or copy made while
// the newest inputs or the tab's own run are still being calculated writes
// no file (never an empty one) and says why; once they are done it writes
// theirs, the chart's caption naming the inputs of the curves drawn.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <string>

#include "ui/study/studywindowfixture.h"
#include "ui/study/sweeppanel.h"

namespace colmara {
namespace {

constexpr int kSweepTab = 2;
constexpr int kBatchTab = 3;
// The batch tab's second table, as the export's list of kinds names it.
constexpr const char* kTimeline = "CSV timeline (*.csv)";

class StudyExportTest : public test::StudyWindowFixture {
  protected:
    void SetUp() override {
        StudyWindowFixture::SetUp();
        window_ = Open();
        Compare(*window_).PinCurrent();
        QApplication::clipboard()->setText(QStringLiteral("before"));
    }

    // Types `text` into Plates, as a user does just before Ctrl+E.
    void TypePlates(const char* text) {
        NumberField& plates = window_->Inputs().Field(Input::Plates);
        plates.setFocus();
        plates.selectAll();
        QTest::keyClicks(&plates, QString::fromUtf8(text));
    }

    // Ctrl+E from the focused field, answered with `name` (and the kind
    // chosen in the dialog, if any): whether a file was written.
    bool ExportByKey(const char* name, const char* kind = "") {
        answer_ = {Path(name), QString::fromUtf8(kind)};
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::ControlModifier);
        return QFile::exists(Path(name));
    }

    std::string Status() const { return window_->Inputs().Status().toStdString(); }

    std::string FileText(const char* name) const {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    }

    void SettleBatch() {
        window_->Batch().Runner().Flush();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window_->Batch().Runner().Busy(); }, 120000));
    }

    std::unique_ptr<StudyWindow> window_;
};

// Plates changed and Ctrl+E at once: nothing of the old inputs goes out,
// whether the case is still being calculated, the tab's own run is, or the
// inputs change while the file is being chosen.
TEST_F(StudyExportTest, NoTabExportsOrCopiesWhileItsNumbersAreBeingCalculated) {
    BatchTexts texts;  // the strength policy at 92 % vol, a row a minute
    texts.policy = "strength";
    texts.targetStrength = "92";
    texts.maxReflux = "1000";
    texts.every = "1";
    texts.stopAfter = "400";  // within the rows a timeline holds
    window_->Inputs().SetInputs({"1000", "10", "10", "3"}, StrengthUnit::Volume);
    window_->Batch().SetTexts(texts);
    Settle(*window_);
    // 0 the profile, 1 McCabe-Thiele, 3 the batch run, 4 the comparison.
    for (const int tab : {0, 1, kBatchTab, 4}) {
        SCOPED_TRACE(tab);
        window_->Tabs().setCurrentIndex(tab);
        if (tab == kBatchTab) SettleBatch();
        const std::string plates = std::to_string(8 + tab);
        TypePlates(plates.c_str());
        for (const char* name : {"pending.csv", "pending.png"}) {
            EXPECT_FALSE(ExportByKey(name)) << name;
            EXPECT_FALSE(ExportByKey(name, kTimeline)) << name;
            EXPECT_EQ(Status(),
                      "Nothing exported: the inputs shown are still being calculated; "
                      "try again in a moment.");
        }
        window_->CopyTable();
        EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("before"));
        Settle(*window_);
        if (tab == kBatchTab) {
            EXPECT_FALSE(ExportByKey("run.csv"));
            EXPECT_FALSE(ExportByKey("run.csv", kTimeline));
            EXPECT_NE(Status().find("Nothing exported: the batch run is still being calculated."),
                      std::string::npos)
                << Status();
            SettleBatch();
            // The timeline beside the cut table, as the tool prints it; the
            // picture names the run's own inputs, and no reflux it did not use.
            ASSERT_TRUE(ExportByKey("timeline.csv", kTimeline)) << Status();
            EXPECT_EQ(FileText("timeline.csv"), window_->CurrentPanel().SecondTableCsv());
            EXPECT_EQ(FileText("timeline.csv").rfind("time_min,power,strength_vol,", 0), 0u);
            ASSERT_TRUE(ExportByKey("run.svg")) << Status();
            const std::string svg = FileText("run.svg");
            EXPECT_NE(svg.find("reflux rising to hold 92 % vol, at most 1000"), std::string::npos);
            EXPECT_EQ(svg.find("reflux 3"), std::string::npos);
            EXPECT_NE(svg.find("Charge 20000 ml at 20 °C · heads 3%, hearts until 80 % vol · "
                               "stops: product below 20 % vol, after 400 min"),
                      std::string::npos)
                << svg;
            // The head temperature goes out as the chart shows it.
            EXPECT_EQ(svg.find("Head temperature"), std::string::npos);
            window_->Batch().HeadTemperatureBox().setChecked(true);
            ASSERT_TRUE(ExportByKey("head.svg")) << Status();
            EXPECT_NE(FileText("head.svg").find("Head temperature, °C"), std::string::npos);
            window_->Batch().HeadTemperatureBox().setChecked(false);
            QFile::remove(Path("head.svg"));
            QFile::remove(Path("timeline.csv"));
        }
        // Done: the file holds the table shown, and the picture's caption
        // the inputs its curves were drawn for.
        // The comparison has no table.
        if (tab != 4) {
            ASSERT_TRUE(ExportByKey("done.csv")) << Status();
            EXPECT_EQ(FileText("done.csv"), window_->CurrentPanel().TableCsv());
        }
        ASSERT_TRUE(ExportByKey("done.svg")) << Status();
        EXPECT_NE(FileText("done.svg").find("· " + plates + " plates ·"), std::string::npos);

        // The inputs change while the dialog is open: nothing is written.
        whileChoosing_ = [&] { TypePlates("7"); };
        EXPECT_FALSE(ExportByKey("changed.csv"));
        EXPECT_FALSE(ExportByKey("changed.png"));
        whileChoosing_ = nullptr;
        Settle(*window_);
        QFile::remove(Path("done.csv"));
        QFile::remove(Path("done.svg"));
    }
}

// The sweep's rows are runs of their own: a sweep still running exports
// nothing, the rows of one cancelled go out whole, and its chart's caption
// names the inputs it ran on, not those typed since.
TEST_F(StudyExportTest, TheSweepExportsOnlyARunThatEndedWithItsOwnInputs) {
    auto& sweep = dynamic_cast<SweepPanel&>(window_->Panel(kSweepTab));
    window_->Tabs().setCurrentIndex(kSweepTab);
    sweep.SetThreads(1);
    for (QLineEdit* edit : sweep.findChildren<QLineEdit*>())
        edit->setText(edit->accessibleName() == "From" ? "1"
                      : edit->accessibleName() == "To" ? "99999"
                                                       : "1");
    sweep.Run();
    ASSERT_TRUE(QTest::qWaitFor([&] { return sweep.RowCount() >= 3; }, 20000));
    EXPECT_FALSE(ExportByKey("running.csv"));
    EXPECT_NE(Status().find("the sweep is still running"), std::string::npos) << Status();
    sweep.Cancel();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !sweep.Running(); }, 20000));
    const std::string plates = window_->Inputs().Typed().plates;
    TypePlates("3");
    Settle(*window_);
    ASSERT_TRUE(ExportByKey("cancelled.csv")) << Status();
    EXPECT_EQ(FileText("cancelled.csv"), sweep.TableCsv());
    ASSERT_TRUE(ExportByKey("cancelled.svg")) << Status();
    EXPECT_NE(FileText("cancelled.svg").find("· " + plates + " plates ·"), std::string::npos);
}

}  // namespace
}  // namespace colmara
