#include "ui/study/studywindow.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextLayout>
#include <chrono>
#include <sstream>
#include <thread>

#include "study/records.h"
#include "study/strengthtext.h"
#include "study/valuetext.h"
#include "support/tinydisk.h"
#include "ui/chart/chartview.h"
#include "ui/chooserfortest.h"
#include "ui/companionprogram.h"
#include "ui/study/comparepanel.h"
#include "ui/study/profilepanel.h"
#include "ui/study/studyopener.h"
#include "ui/study/studywindowfixture.h"

namespace colmara {
namespace {

constexpr int kProfileTab = 0;

class StudyWindowTest : public test::StudyWindowFixture {
  protected:
    static void Type(NumberField& field, const char* text) {
        field.setFocus();
        field.selectAll();
        QTest::keyClicks(&field, QString::fromUtf8(text));
    }

    static ProfilePanel& Profile(StudyWindow& w) {
        return dynamic_cast<ProfilePanel&>(w.Panel(kProfileTab));
    }

    static std::string ProfileCsv(const CaseProfile& profile, StrengthUnit unit) {
        std::string csv = CsvHeader(PlateRecord(profile.plates.front(), unit));
        for (const PlateRow& row : profile.plates) csv += CsvLine(PlateRecord(row, unit));
        return csv;
    }
};

// The chart's curves hold exactly the profile the study layer computes for
// the same texts.
void ExpectCurvesOf(ProfilePanel& panel, const CaseProfile& profile, StrengthUnit unit) {
    ASSERT_EQ(panel.Vapour().Count(), static_cast<int>(profile.plates.size()));
    ASSERT_EQ(panel.Temperature().Count(), static_cast<int>(profile.plates.size()));
    for (std::size_t i = 0; i < profile.plates.size(); ++i) {
        const PlateRow& row = profile.plates[i];
        EXPECT_EQ(panel.Vapour().XValues.Value(i), row.plate);
        EXPECT_EQ(panel.Vapour().YValues.Value(i), static_cast<double>(*row.VapourStrength(unit)));
        EXPECT_EQ(panel.Temperature().YValues.Value(i), static_cast<double>(row.temperature));
    }
}

TEST_F(StudyWindowTest, TypingRecalculatesTheProfileOfTheTypedTexts) {
    auto window = Open();
    StudyInputs& inputs = window->Inputs();
    Type(inputs.Field(Input::Power), "2000");
    Type(inputs.Field(Input::Plates), "12");
    EXPECT_TRUE(window->Solver().Debounce().isActive());
    Settle(*window);

    const InputTexts typed{"2000", "1", "12", "15"};
    ASSERT_EQ(window->Shown().typed, typed);
    const CaseProfile expected = ProfileCase(typed, settings_);
    ExpectCurvesOf(Profile(*window), expected, StrengthUnit::Weight);
    EXPECT_EQ(Profile(*window).TableCsv(), ProfileCsv(expected, StrengthUnit::Weight));
    EXPECT_EQ(Profile(*window).Pane().Chart().BottomAxis().Maximum, 12);
    EXPECT_EQ(inputs.Status().toStdString().rfind("Product ", 0), 0u);

    // The mouse reads the drawn curves: plate 0 under the chart's left edge.
    ProfilePanel& panel = Profile(*window);
    panel.Pane().View().repaint();
    const Rect plot = panel.Pane().Chart().ChartRect();
    panel.Pane().ReadAt({plot.Left + 1, (plot.Top + plot.Bottom) / 2});
    const QString first = panel.Pane().Readout();
    EXPECT_TRUE(first.startsWith("Plate 0: Vapour strength ")) << first.toStdString();

    // A new case under the resting pointer is read anew, not left showing
    // the last one's values.
    Type(inputs.Field(Input::Strength), "2");
    Settle(*window);
    panel.Pane().View().repaint();
    const QString second = panel.Pane().Readout();
    EXPECT_TRUE(second.startsWith("Plate 0: Vapour strength ")) << second.toStdString();
    EXPECT_NE(second, first);
}

// However narrow the status line, the product line wraps only between its
// words, never inside a number and its unit ("g/" then "h").
TEST_F(StudyWindowTest, TheProductLineBreaksOnlyBetweenItsQuantities) {
    auto window = Open();
    window->StartWith({"1500", "10", "20", "3"}, StrengthUnit::Volume);
    Settle(*window);
    const QString text = window->Inputs().Status();
    ASSERT_TRUE(text.startsWith("Product ")) << text.toStdString();
    const QFontMetrics metrics(window->Inputs().font());
    int widest = 0;  // the widest stretch between ordinary blanks
    for (const QString& word : text.split(' '))
        widest = std::max(widest, metrics.horizontalAdvance(word));
    for (int width = widest + 1; width < metrics.horizontalAdvance(text) + 20; width += 3) {
        QTextLayout layout(text, window->Inputs().font());
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            const int start = line.textStart();
            EXPECT_TRUE(start == 0 || text.at(start - 1) == ' ')
                << width << " px: a line begins with '" << text.mid(start).toStdString() << "'";
        }
        layout.endLayout();
    }
}

TEST_F(StudyWindowTest, OnlyTheNewestRequestIsDelivered) {
    auto window = Open();
    QSignalSpy solved(&window->Solver(), &CaseSolver::Solved);
    const InputTexts older{"1000", "5", "10", "2"}, newer{"1500", "5", "10", "2"};
    window->Solver().Request(older, StrengthUnit::Weight, settings_);
    window->Solver().Flush();
    // The older case is solved and waits to be taken while the newer is
    // asked for: taken then, it is dropped, not shown.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    window->Solver().Request(newer, StrengthUnit::Weight, settings_);
    QCoreApplication::processEvents();
    Settle(*window);
    ASSERT_GE(solved.count(), 1);
    for (const auto& args : solved) EXPECT_EQ(args.at(0).value<StudyCase>().typed, newer);
}

TEST_F(StudyWindowTest, AFailedCalculationGreysTheLastCurvesWithoutABox) {
    auto window = Open();
    ProfilePanel& panel = Profile(*window);
    const int points = panel.Vapour().Count();
    const ColorValue own = panel.Vapour().SeriesColor;
    StudyInputs& inputs = window->Inputs();

    Type(inputs.Field(Input::Reflux), "x1");
    Settle(*window);
    const CaseProfile failed = ProfileCase(inputs.Typed(), settings_);
    ASSERT_TRUE(failed.result.error.has_value());
    EXPECT_EQ(inputs.Status().toStdString(),
              "Reflux ratio: 'x1' is not a number. Grey curves: the last case that solved.");
    EXPECT_EQ(panel.Vapour().Count(), points);
    EXPECT_NE(panel.Vapour().SeriesColor, own);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // A strength by volume outside 0..100 % is refused by the study layer,
    // flagged beside its field and shown the same way.
    inputs.UnitSelector().setCurrentIndex(1);
    Type(inputs.Field(Input::Reflux), "3");
    Type(inputs.Field(Input::Strength), "120");
    Settle(*window);
    EXPECT_FALSE(inputs.Note(Input::Strength).isEmpty());
    EXPECT_TRUE(inputs.Status().contains(QStringLiteral("120")));
    EXPECT_NE(panel.Vapour().SeriesColor, own);

    Type(inputs.Field(Input::Strength), "10");
    Settle(*window);
    EXPECT_TRUE(inputs.Note(Input::Strength).isEmpty());
    EXPECT_EQ(panel.Vapour().SeriesColor, own);
}

// One rule for every tab that shows the case: after a failure it exports
// and copies nothing (its numbers are not the inputs'), says why, and keeps
// its grey curves; once the inputs calculate again it exports theirs.
TEST_F(StudyWindowTest, AfterAFailureNoTabExportsNumbersOfOtherInputs) {
    auto window = Open();
    Compare(*window).PinCurrent();
    QApplication::clipboard()->setText(QStringLiteral("before"));
    Type(window->Inputs().Field(Input::Power), "0");
    Settle(*window);
    ASSERT_FALSE(window->Shown().profile.result.Solved());
    // 3 is the batch run, 4 the comparison.
    for (const int tab : {kProfileTab, 1, 3, 4}) {
        SCOPED_TRACE(tab);
        window->Tabs().setCurrentIndex(tab);
        StudyPanel& panel = window->CurrentPanel();
        const int points = panel.ExportChart()->Chart().SeriesList().front()->Count();
        for (const char* name : {"failed.csv", "failed.png", "failed.svg"}) {
            answer_ = {Path(name), {}};
            window->Export();
            EXPECT_FALSE(QFile::exists(Path(name))) << name;
            EXPECT_TRUE(window->Inputs().Status().startsWith(
                QStringLiteral("Nothing exported: the inputs shown do not calculate (")))
                << window->Inputs().Status().toStdString();
        }
        window->CopyTable();
        EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("before"));
        EXPECT_TRUE(window->Inputs().Status().startsWith(QStringLiteral("Nothing copied: ")));
        EXPECT_EQ(panel.TableCsv(), "");
        EXPECT_EQ(panel.ExportChart()->Chart().SeriesList().front()->Count(), points);
    }

    Type(window->Inputs().Field(Input::Power), "1200");
    Settle(*window);
    for (const int tab : {kProfileTab, 1, 4}) {
        window->Tabs().setCurrentIndex(tab);
        const QString name = QStringLiteral("again%1.png").arg(tab);
        answer_ = {dir_.filePath(name), {}};
        window->Export();
        EXPECT_TRUE(QFile::exists(dir_.filePath(name))) << tab;
    }
    EXPECT_EQ(Profile(*window).TableCsv(),
              ProfileCsv(ProfileCase(window->Inputs().Typed(), settings_), StrengthUnit::Weight));
}

TEST_F(StudyWindowTest, SwitchingTheUnitKeepsTheStrengthAndRelabelsEverything) {
    auto window = Open();
    StudyInputs& inputs = window->Inputs();
    Type(inputs.Field(Input::Strength), "10");
    Settle(*window);
    const CaseProfile byWeight = ProfileCase(inputs.Typed(), settings_);

    inputs.UnitSelector().setCurrentIndex(1);
    EXPECT_EQ(inputs.Field(Input::Strength).Text(), "12.440435054");
    Settle(*window);
    ProfilePanel& panel = Profile(*window);
    EXPECT_EQ(panel.Pane().Chart().LeftAxis().Title, "Strength, % vol");
    // The curves are those of the text shown, by volume, and the strength
    // calculated barely moved.
    const CaseProfile byVolume = ProfileCase(inputs.Typed(), settings_, StrengthUnit::Volume);
    ExpectCurvesOf(panel, byVolume, StrengthUnit::Volume);
    EXPECT_EQ(panel.TableCsv(), ProfileCsv(byVolume, StrengthUnit::Volume));
    EXPECT_NEAR(static_cast<double>(*byVolume.result.productStrength),
                static_cast<double>(*byWeight.result.productStrength), 1e-6);
    EXPECT_NE(panel.TableTsv().find("vapour_strength_vol\t"), std::string::npos);

    // Back and forth gives back what was typed, until the text is edited.
    // The selector lists the units in this order.
    ASSERT_EQ(inputs.UnitSelector().count(), 3);
    EXPECT_EQ(inputs.UnitSelector().itemText(2), "% mol");
    constexpr StrengthUnit W = StrengthUnit::Weight, V = StrengthUnit::Volume,
                           M = StrengthUnit::Mole;
    struct Case {
        const char* typed;
        StrengthUnit unit, via;
        const char* edited;  // typed after the switch; null for none
        const char* back;
    };
    const Case cases[] = {
        {"10", W, V, nullptr, "10"},
        {"12.3456789", V, W, nullptr, "12.3456789"},
        // More digits than the switch writes come back as typed, too.
        {"10.0", W, V, nullptr, "10.0"},
        {"12.34567891234", V, W, nullptr, "12.34567891234"},
        {"12.3456789", V, W, "10", "12.440435054"},
        {"10", W, M, nullptr, "10"},
        {"28.1", M, V, nullptr, "28.1"},
        {"28.1", M, W, "50", "28.111979776"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const auto index = [](StrengthUnit unit) { return unit == W ? 0 : unit == V ? 1 : 2; };
        inputs.SetInputs({"1000", c.typed, "20", "15"}, c.unit);
        inputs.UnitSelector().setCurrentIndex(index(c.via));
        if (c.edited) Type(inputs.Field(Input::Strength), c.edited);
        inputs.UnitSelector().setCurrentIndex(index(c.unit));
        EXPECT_EQ(inputs.Field(Input::Strength).Text(), c.back);
    }
}

// The batch tab's strengths follow the unit switch: the run shown after a
// switch is the same run (its table as the window shows it), each strength
// field names its unit, and a switch back gives the texts as typed.
TEST_F(StudyWindowTest, SwitchingTheUnitKeepsTheBatchRun) {
    auto window = Open();
    BatchRunPanel& batch = window->Batch();
    window->Tabs().setCurrentIndex(window->Tabs().indexOf(&batch));
    const auto settle = [&] {
        Settle(*window);
        batch.Runner().Flush();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !batch.Runner().Busy(); }, 60000));
        QApplication::processEvents();
        ASSERT_TRUE(batch.RunCurrent()) << batch.Summary().toStdString();
    };
    const auto shown = [&] {
        std::vector<QString> cells;
        for (int row = 0; row < batch.Table().rowCount(); ++row)
            for (int column = 0; column < batch.Table().columnCount(); ++column)
                cells.push_back(batch.Table().item(row, column)->text());
        return cells;
    };
    BatchTexts typed = DefaultBatchTexts(StrengthUnit::Weight, settings_);
    typed.cuts = "heads:300g; hearts: <76.5 ;feints:<45; tails:end";
    typed.stopBoiler = "2.25";
    typed.stopProduct = "none";
    batch.SetTexts(typed);
    settle();
    const std::vector<QString> byWeight = shown();
    ASSERT_EQ(byWeight.size(), 4u * static_cast<std::size_t>(batch.Table().columnCount()));
    EXPECT_TRUE(batch.Label(&BatchTexts::stopBoiler).text().endsWith("% by weight"));

    window->Inputs().UnitSelector().setCurrentIndex(1);
    EXPECT_EQ(batch.StrengthsUnit(), StrengthUnit::Volume);
    settle();
    EXPECT_EQ(shown(), byWeight);
    EXPECT_NE(batch.Texts().cuts, typed.cuts);
    EXPECT_EQ(batch.Texts().stopProduct, "none");
    for (const auto text : {&BatchTexts::targetStrength, &BatchTexts::heartsUntil,
                            &BatchTexts::stopBoiler, &BatchTexts::stopProduct, &BatchTexts::cuts})
        EXPECT_TRUE(batch.Label(text).text().contains("% vol")) << BatchTextKeyOf(text);
    EXPECT_FALSE(batch.Label(&BatchTexts::heads).text().contains('%'));

    window->Inputs().UnitSelector().setCurrentIndex(0);
    EXPECT_EQ(batch.Texts(), typed);
}

TEST_F(StudyWindowTest, PinsKeepRunsNamedByTheirInputsAndFollowTheUnit) {
    auto window = Open();
    ComparePanel& compare = Compare(*window);
    StudyInputs& inputs = window->Inputs();
    inputs.SetInputs({"2000", "10", "20", "3"}, StrengthUnit::Weight);
    Settle(*window);
    ASSERT_TRUE(compare.PinCurrent());
    for (const char* power : {"1500", "1000", "500", "250"}) {
        Type(inputs.Field(Input::Power), power);
        Settle(*window);
        compare.PinCurrent();
    }
    const std::vector<std::string> four = {
        "2000 W, 10 %, 20 plates, R 3", "1500 W, 10 %, 20 plates, R 3",
        "1000 W, 10 %, 20 plates, R 3", "500 W, 10 %, 20 plates, R 3"};
    EXPECT_EQ(compare.PinNames(), four);  // the fifth did not fit

    compare.RemovePin(1);
    EXPECT_EQ(compare.PinNames().size(), 3u);
    ASSERT_TRUE(compare.PinCurrent());
    EXPECT_EQ(compare.PinNames().back(), "250 W, 10 %, 20 plates, R 3");

    // By volume the pins are named and drawn in % vol.
    inputs.UnitSelector().setCurrentIndex(1);
    Settle(*window);
    const std::string tenByVolume = inputs.Field(Input::Strength).Text();
    EXPECT_EQ(compare.PinNames().front(), "2000 W, " + tenByVolume + " % vol, 20 plates, R 3");
    const auto& series = compare.Pane().Chart().SeriesList();
    const CaseProfile first = ProfileCase({"2000", "10", "20", "3"}, settings_);
    const TChartSeries& pin = *series.at(1);
    ASSERT_EQ(pin.Count(), static_cast<int>(first.plates.size()));
    EXPECT_EQ(pin.YValues.Value(pin.Count() - 1),
              static_cast<double>(*first.plates.back().VapourStrength(StrengthUnit::Volume)));

    compare.ClearPins();
    EXPECT_TRUE(compare.PinNames().empty());
    EXPECT_EQ(series.size(), 1u);
}

TEST_F(StudyWindowTest, SettingsRememberInputsUnitTabSizeAndTheBatchChartsChoice) {
    {
        auto window = Open();
        window->StartWith({"1234", "7", "9", "2,5"}, StrengthUnit::Volume);
        window->Tabs().setCurrentIndex(1);
        window->Batch().HeadTemperatureBox().setChecked(true);
        window->resize(700, 450);  // within the 800 x 600 test screen
        window->close();
    }
    auto again = Open();
    EXPECT_TRUE(again->Batch().Chart().HeadTemperatureShown());
    EXPECT_EQ(again->Inputs().Typed(), (InputTexts{"1234", "7", "9", "2,5"}));
    EXPECT_EQ(again->Inputs().Unit(), StrengthUnit::Volume);
    EXPECT_EQ(again->Inputs().UnitSelector().currentIndex(), 1);
    EXPECT_EQ(again->Tabs().currentIndex(), 1);
    EXPECT_EQ(again->size(), QSize(700, 450));
    EXPECT_EQ(again->Shown().typed, again->Inputs().Typed());
}

// Settings that no longer calculate: the status line names the field, and
// mentions no grey curves, since none has been drawn yet.
TEST_F(StudyWindowTest, AFirstStartThatFailsNamesTheFieldAndNoGreyCurves) {
    QSettings(QStringLiteral("Colmara"), QStringLiteral("Colmara Study"))
        .setValue(QStringLiteral("inputs/plates"), QString());
    auto window = Open();
    EXPECT_EQ(window->Inputs().Status(), QStringLiteral("Plates: the field is empty."));
    // An export is refused for the same reason, again without grey curves.
    answer_ = {Path("first.png"), {}};
    window->Export();
    EXPECT_FALSE(QFile::exists(Path("first.png")));
    EXPECT_TRUE(window->Inputs().Status().startsWith(
        QStringLiteral("Nothing exported: the inputs shown do not calculate (")));
    EXPECT_FALSE(window->Inputs().Status().contains(QStringLiteral("grey")));
}

TEST_F(StudyWindowTest, TheMainWindowOpensOneStudyWindowWithItsTextsByWeight) {
    StudyOpener opener(settings_);
    EXPECT_EQ(opener.Window(), nullptr);
    opener.Open({"1500", "8", "12", "4"});
    StudyWindow* first = opener.Window();
    ASSERT_NE(first, nullptr);
    first->Inputs().UnitSelector().setCurrentIndex(1);
    first->close();
    opener.Open({"900", "5", "6", "2"});
    EXPECT_EQ(opener.Window(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->Inputs().Typed(), (InputTexts{"900", "5", "6", "2"}));
    EXPECT_EQ(first->Inputs().Unit(), StrengthUnit::Weight);
}

TEST_F(StudyWindowTest, SetupFilesRoundTripThroughTheWindow) {
    auto window = Open();
    // A first start is by weight; the batch tab's defaults follow the
    // switch to volume with their meaning, the product stop back to 20 % vol.
    const StudySetup saved{
        {"1800", "12,5", "15", "4"},
        StrengthUnit::Volume,
        SwitchedBatchTexts(DefaultBatchTexts(StrengthUnit::Weight, settings_), StrengthUnit::Weight,
                           StrengthUnit::Volume, settings_)};
    EXPECT_EQ(saved.batch.stopProduct, "20");
    window->StartWith(saved.inputs, saved.unit);
    answer_ = {Path("run"), {}};
    window->SaveSetup();
    EXPECT_EQ(ReadSetupFile(Path("run.json").toStdString()), saved);

    window->StartWith({}, StrengthUnit::Weight);
    EXPECT_EQ(window->Batch().Texts(), DefaultBatchTexts(StrengthUnit::Weight, settings_));
    answer_ = {Path("run.json"), {}};
    window->OpenSetup();
    Settle(*window);
    EXPECT_EQ(window->Inputs().Typed(), saved.inputs);
    EXPECT_EQ(window->Batch().Texts(), saved.batch);
    EXPECT_EQ(window->Shown().unit, StrengthUnit::Volume);

    // A file that is no setup leaves the inputs and says why in the status line.
    QFile junk(Path("junk.json"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("[1, 2]");
    junk.close();
    answer_ = {Path("junk.json"), {}};
    window->OpenSetup();
    EXPECT_EQ(window->Inputs().Typed(), saved.inputs);
    EXPECT_TRUE(window->Inputs().Status().contains(QStringLiteral("junk.json")));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // The companion tool reads the saved file: its profile is the window's table.
    window->StartWith({"1800", "12.5", "15", "4"}, StrengthUnit::Volume);
    Settle(*window);
    answer_ = {Path("tool.json"), {}};
    window->SaveSetup();
    EXPECT_EQ(test::CompanionOutput({"profile", "--setup", Path("tool.json").toStdString()}),
              Profile(*window).TableCsv());

    // By weight the tool reads the setup's strength as the window shows it
    // after a switch to weight.
    window->Inputs().UnitSelector().setCurrentIndex(0);
    const std::string byWeight = window->Inputs().Field(Input::Strength).Text();
    EXPECT_EQ(test::CompanionOutput({"--setup", Path("tool.json").toStdString()}),
              test::CompanionOutput(
                  {"--power", "1800", "--strength", byWeight, "--plates", "15", "--reflux", "4"}));
}

TEST_F(StudyWindowTest, ExportWritesTheFormatOfTheTypedSuffixOrElseTheFilter) {
    auto window = Open();
    window->Tabs().setCurrentIndex(kProfileTab);
    answer_ = {Path("profile"), QStringLiteral("CSV table (*.csv)")};
    window->Export();
    QFile csv(Path("profile.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll().toStdString(), Profile(*window).TableCsv());

    // The picture is the chart as shown with a caption line of the inputs.
    answer_ = {Path("profile.png"), QStringLiteral("PNG image (*.png)")};
    window->Export();
    const QImage png(Path("profile.png"));
    EXPECT_EQ(png.size(), Profile(*window).Pane().View().size() + QSize(0, 22));

    // A suffix on offer wins over the filter left chosen.
    answer_ = {Path("typed.csv"), QStringLiteral("PNG image (*.png)")};
    window->Export();
    QFile typed(Path("typed.csv"));
    ASSERT_TRUE(typed.open(QIODevice::ReadOnly));
    EXPECT_EQ(typed.readAll().toStdString(), Profile(*window).TableCsv());

    answer_ = {Path("missing/dir/profile.svg"), QStringLiteral("SVG drawing (*.svg)")};
    window->Export();
    EXPECT_EQ(window->Inputs().Status(), "Cannot write \"" + Path("missing/dir/profile.svg") +
                                             "\": No such file or directory.");

    // A suffix the tab cannot write is refused, and nothing is written.
    for (const char* name : {"x.jpg", "st-compare.csv"}) {
        window->Tabs().setCurrentIndex(std::string(name) == "x.jpg" ? kProfileTab
                                                                    : window->Tabs().count() - 1);
        answer_ = {Path(name), QStringLiteral("PNG image (*.png)")};
        window->Export();
        EXPECT_FALSE(QFile::exists(Path(name))) << name;
        EXPECT_TRUE(
            window->Inputs().Status().startsWith(QStringLiteral("Nothing saved: this writes PNG")))
            << window->Inputs().Status().toStdString();
    }
}

TEST_F(StudyWindowTest, CopyTableIsGreyedWhereTheTabHasNoTable) {
    auto window = Open();
    QMenu* file = window->menuBar()->actions().front()->menu();
    QAction* copy = nullptr;
    for (QAction* action : file->actions())
        if (action->text() == QStringLiteral("&Copy table")) copy = action;
    ASSERT_NE(copy, nullptr);
    for (const int tab : {kProfileTab, static_cast<int>(window->Tabs().count() - 1)}) {
        window->Tabs().setCurrentIndex(tab);
        emit file->aboutToShow();
        EXPECT_EQ(copy->isEnabled(), !window->CurrentPanel().TableTsv().empty()) << tab;
    }
    EXPECT_FALSE(copy->isEnabled()) << "the compare tab has no table";
}

TEST_F(StudyWindowTest, AFullDiskKeepsEveryOldFileAndSaysWhy) {
    const test::TinyDisk disk;
    if (!disk.Mounted()) GTEST_SKIP() << disk.SkipReason();
    auto window = Open();
    window->Tabs().setCurrentIndex(kProfileTab);
    const char* files[] = {"table.csv", "chart.png", "chart.svg", "setup.json"};
    for (const char* file : files) disk.Place(file, 8192);
    disk.Fill();
    for (const char* file : files) {
        SCOPED_TRACE(file);
        answer_ = {QString::fromStdString(disk.Path(file)), {}};
        if (std::string(file) == "setup.json")
            window->SaveSetup();
        else
            window->Export();
        EXPECT_TRUE(
            window->Inputs().Status().endsWith(QStringLiteral(": No space left on device.")))
            << window->Inputs().Status().toStdString();
        EXPECT_EQ(test::FileBytes(disk.Path(file)), std::string(8192, 'o'));
    }
}

TEST_F(StudyWindowTest, SpecialFilesAsSetupOrSettingsAreRefusedWithoutWaiting) {
    // The settings file a FIFO: the window still opens, with the defaults.
    ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("Colmara")));
    const QString settingsFile = Path("Colmara/Colmara Study.conf");
    QFile::remove(settingsFile);
    ASSERT_EQ(mkfifo(settingsFile.toLocal8Bit().constData(), 0600), 0);
    // So is the organisation's shared file, which the window never reads.
    ASSERT_EQ(mkfifo(Path("Colmara.conf").toLocal8Bit().constData(), 0600), 0);
    auto window = Open();
    EXPECT_EQ(window->Inputs().Typed(), InputTexts{});
    window->SaveState();
    EXPECT_EQ(QFileInfo(settingsFile).isFile(), false) << "the FIFO is left alone";

    const QString fifo = Path("setup.json");
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    answer_ = {fifo, {}};
    window->OpenSetup();
    EXPECT_EQ(window->Inputs().Status(),
              "Cannot read the setup file '" + fifo + "': it is not a regular file.");
    window->close();
}

TEST_F(StudyWindowTest, FieldsStepTheirNumberAndLeaveOtherTextsAlone) {
    auto window = Open();
    NumberField& reflux = window->Inputs().Field(Input::Reflux);
    reflux.SetText("0.1");
    reflux.stepUp();
    EXPECT_EQ(reflux.Text(), "0.6");
    reflux.SetText("fifteen");
    reflux.stepUp();
    EXPECT_EQ(reflux.Text(), "fifteen");
    EXPECT_TRUE(window->Solver().Debounce().isActive());
}

TEST_F(StudyWindowTest, TabReachesEveryInputAndTheCharts) {
    auto window = Open();
    std::vector<QWidget*> reached;
    for (QWidget* w = window->nextInFocusChain(); w != window.get(); w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled()) reached.push_back(w);
    auto reaches = [&](QWidget* w) {
        return std::find(reached.begin(), reached.end(), w) != reached.end();
    };
    StudyInputs& inputs = window->Inputs();
    for (Input f : {Input::Power, Input::Strength, Input::Plates, Input::Reflux}) {
        EXPECT_TRUE(reaches(&inputs.Field(f)));
        EXPECT_FALSE(inputs.Field(f).accessibleName().isEmpty());
    }
    EXPECT_TRUE(reaches(&inputs.UnitSelector()));
    for (int i = 0; i < window->Tabs().count(); ++i) {
        ChartView* chart = window->Panel(i).ExportChart();
        ASSERT_NE(chart, nullptr);
        EXPECT_TRUE(reaches(chart));
        EXPECT_FALSE(chart->accessibleName().isEmpty());
    }
}

}  // namespace
}  // namespace colmara
