// The Tools window: its forms answer as they are typed in with the tools'
// own numbers (in either decimal symbol), show a refusal in place of the
// answer, reach every control by keyboard with a name and a tip, and open
// from the study window's menu with the study's inputs.
#include "ui/tools/toolswindow.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "spirit/blend.h"
#include "spirit/dilution.h"
#include "spirit/hydrometer.h"
#include "spirit/stillsize.h"
#include "ui/study/studywindow.h"
#include "ui/tools/toolsguide.h"

namespace colmara {
namespace {

void Type(QLineEdit* field, const char* text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, QString::fromUtf8(text));
}

QString Figure(long double value, const char* picture, const FormatSettings& settings) {
    return QString::fromStdString(FormatExtended(picture, value, settings));
}

TEST(ToolsWindow, FormsAnswerAsTheyAreTypedInWithTheToolsNumbers) {
    const FormatSettings comma{",", "."};
    ToolsWindow window(comma);
    window.show();

    DilutionForm& dilute = window.Dilution();
    Type(dilute.volume, "2000,5");
    Type(dilute.target, "40,5");
    const Dilution d = Dilute(2000.5L, {80, StrengthUnit::Volume}, {40.5L, StrengthUnit::Volume});
    EXPECT_EQ(dilute.AnswerText(),
              "Water to add: " + Figure(d.waterMl, "0.0", comma) + " ml\nFinal volume: " +
                  Figure(d.finalVolumeMl, "0.0", comma) + " ml\nFinal strength: 40,50 % vol");
    Type(dilute.target, "85");
    EXPECT_TRUE(dilute.Refused());
    EXPECT_TRUE(dilute.AnswerText().startsWith("target:")) << dilute.AnswerText().toStdString();
    Type(dilute.volume, "1l");
    EXPECT_TRUE(dilute.AnswerText().startsWith("Volume: not a number"));

    BlendForm& blend = window.Blending();
    blend.add->click();
    ASSERT_EQ(blend.Parts().size(), 3u);
    Type(blend.Parts()[2].strength, "96");
    Type(blend.Parts()[2].temperature, "12,5");
    const Blend b = BlendParts({{1000, {60, StrengthUnit::Volume}, 20},
                                {500, {40, StrengthUnit::Volume}, 20},
                                {500, {96, StrengthUnit::Volume}, 12.5L}});
    EXPECT_TRUE(
        blend.AnswerText().startsWith("Volume at 20 °C: " + Figure(b.volumeMl, "0.0", comma)))
        << blend.AnswerText().toStdString();
    blend.remove->click();
    blend.remove->click();
    EXPECT_EQ(blend.Parts().size(), 1u);
    EXPECT_FALSE(blend.remove->isEnabled());
    EXPECT_TRUE(blend.AnswerText().startsWith("Volume at 20 °C: 1000,0 ml"));

    HydrometerForm& meter = window.Hydrometer();
    Type(meter.temperature, "12,5");
    const TrueStrength t = CorrectReading({40, StrengthUnit::Volume}, 12.5L);
    EXPECT_TRUE(meter.AnswerText().startsWith("Strength at 20 °C: " +
                                              Figure(t.strengthVol, "0.00", comma)));
    Type(meter.temperature, "45");
    EXPECT_TRUE(meter.AnswerText().startsWith("temperature:"));
}

TEST(ToolsWindow, SizingStartsFromTheGivenInputsAndFollowsThePacking) {
    const FormatSettings settings;  // the window keeps a reference
    QWidget owner;
    owner.show();
    ToolsWindow& window =
        ShowToolsWindow(owner, {"2000", "10", "6", "3"}, StrengthUnit::Weight, settings);
    SizingForm& sizing = window.Sizing();
    EXPECT_EQ(sizing.power->text(), "2000");
    EXPECT_EQ(sizing.plates->text(), "6");
    const StillSize size =
        SizeStill({"2000", "10", "6", "3"}, {}, StrengthUnit::Weight, {54, 0.13L, 10});
    EXPECT_EQ(sizing.AnswerText().section('\n', 1, 1),
              "Vapour speed, bottom: " + Figure(size.bottom.speed, "0.000", {}) + " m/s");
    EXPECT_FALSE(sizing.hetp->isEnabled());
    sizing.packing->setCurrentIndex(sizing.packing->count() - 1);
    EXPECT_TRUE(sizing.hetp->isEnabled());
    EXPECT_TRUE(sizing.AnswerText().startsWith("Column height: left out"));
    Type(sizing.hetp, "0.5");
    EXPECT_TRUE(sizing.AnswerText().startsWith("Column height: 3.00 m"));
    // A calculation that fails names its field, once.
    Type(sizing.reflux, "-1");
    EXPECT_EQ(sizing.AnswerText(),
              "Reflux ratio: -1 makes reflux and product add up to nothing, so the product cannot "
              "be worked out.");
    Type(sizing.reflux, "3");
    Type(sizing.plates, "abc");
    EXPECT_EQ(sizing.AnswerText(), "Plates: 'abc' is not a whole number.");
    Type(sizing.plates, "6");
    // The same owner keeps one window, started again from the new inputs.
    EXPECT_EQ(&ShowToolsWindow(owner, {"1000", "20", "4", "2"}, StrengthUnit::Volume, settings),
              &window);
    EXPECT_EQ(sizing.unit->currentIndex(), 1);
    EXPECT_FALSE(sizing.Refused());
    // A study window in % mol hands its unit over too, and the sizing reads
    // the strength by mole, as the tool's size --units mole does.
    sizing.packing->setCurrentIndex(0);
    ShowToolsWindow(owner, {"2000", "5", "6", "3"}, StrengthUnit::Mole, settings);
    EXPECT_EQ(ToolForm::UnitOf<StrengthUnit>(sizing.unit), StrengthUnit::Mole);
    const StillSize byMole =
        SizeStill({"2000", "5", "6", "3"}, {}, StrengthUnit::Mole, {54, 0.13L, 10});
    EXPECT_EQ(sizing.AnswerText().section('\n', 1, 1),
              "Vapour speed, bottom: " + Figure(byMole.bottom.speed, "0.000", {}) + " m/s");
    // The study's plate efficiency comes along and sizes the column of such
    // plates; one outside 1..100 % is named.
    ShowToolsWindow(owner, {"2000", "10", "6", "3", "60"}, StrengthUnit::Weight, settings);
    EXPECT_EQ(sizing.efficiency->text(), "60");
    const StillSize poorer =
        SizeStill({"2000", "10", "6", "3", "60"}, {}, StrengthUnit::Weight, {54, 0.13L, 10});
    EXPECT_NE(poorer.top.speed, size.top.speed);
    EXPECT_EQ(sizing.AnswerText().section('\n', 2, 2),
              "Vapour speed, top: " + Figure(poorer.top.speed, "0.000", {}) + " m/s");
    Type(sizing.efficiency, "0");
    EXPECT_EQ(sizing.AnswerText(), "Plate efficiency: 0 % lies outside 1 to 100 %.");
}

// Tab from the first control of each form visits every control of the
// form, each with an accessible name and a tip.
TEST(ToolsWindow, EveryControlIsReachedByTabWithANameAndATip) {
    ToolsWindow window(FormatSettings{});
    window.show();
    window.activateWindow();
    for (int tab = 0; tab < window.Tabs().count(); ++tab) {
        window.Tabs().setCurrentIndex(tab);
        QWidget* form = window.Tabs().currentWidget();
        SCOPED_TRACE(window.Tabs().tabText(tab).toStdString());
        QList<QWidget*> controls;
        for (QWidget* w : form->findChildren<QWidget*>())
            if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                qobject_cast<QAbstractButton*>(w))
                controls << w;
        ASSERT_FALSE(controls.isEmpty());
        QSet<QWidget*> reached;
        QWidget* w = controls.first();
        for (int step = 0; step < 100 && !reached.contains(w); ++step) {
            reached.insert(w);
            w = w->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus) || !form->isAncestorOf(w))
                w = w->nextInFocusChain();
        }
        for (QWidget* control : controls) {
            EXPECT_TRUE(reached.contains(control)) << control->accessibleName().toStdString();
            EXPECT_FALSE(control->toolTip().isEmpty()) << control->accessibleName().toStdString();
            EXPECT_FALSE(control->accessibleName().isEmpty() &&
                         qobject_cast<QAbstractButton*>(control) == nullptr);
        }
    }
}

TEST(ToolsWindow, OpensFromTheStudyWindowsMenuWithItsInputs) {
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    const FormatSettings settings;
    StudyWindow study(settings);
    study.show();
    study.StartWith({"1500", "12", "5", "2"}, StrengthUnit::Weight);
    QAction* open = nullptr;
    for (QAction* menu : study.menuBar()->actions())
        for (QAction* action : menu->menu()->actions())
            if (action->text().startsWith("Spirit and still &tools")) open = action;
    ASSERT_NE(open, nullptr);
    open->trigger();
    auto* tools = study.findChild<ToolsWindow*>();
    ASSERT_NE(tools, nullptr);
    EXPECT_TRUE(tools->isVisible());
    EXPECT_EQ(tools->Sizing().power->text(), "1500");
    EXPECT_EQ(tools->Sizing().strength->text(), "12");
    EXPECT_EQ(tools->Sizing().reflux->text(), "2");
    // The sizing's charge is the batch tab's.
    BatchTexts batch;
    batch.charge = "15000";
    batch.chargeUnit = "g";
    batch.startTemperature = "12";
    study.Batch().SetTexts(batch);
    open->trigger();
    EXPECT_EQ(tools->Sizing().charge->text(), "15000");
    EXPECT_EQ(ToolForm::UnitOf<ChargeUnit>(tools->Sizing().chargeUnit), ChargeUnit::Grams);
    EXPECT_EQ(tools->Sizing().startTemperature->text(), "12");
}

// What a form's fields mean survives its changes: the blend's unit selector
// outlives a removed part and still sets the parts' unit; the sizing's
// charge unit is the one chosen; the hydrometer's volume is taken from its
// temperature to 20 degC.
TEST(ToolsWindow, FormsKeepWhatTheirFieldsMean) {
    const FormatSettings settings;
    ToolsWindow window(settings);
    BlendForm& blend = window.Blending();
    const QPointer<QComboBox> unit = blend.unit;
    blend.add->click();
    blend.remove->click();
    ASSERT_FALSE(unit.isNull()) << "removing a part took the unit selector";
    ToolForm::Choose(blend.unit, StrengthUnit::Weight);
    const Blend byWeight =
        BlendParts({{1000, {60, StrengthUnit::Weight}, 20}, {500, {40, StrengthUnit::Weight}, 20}});
    EXPECT_TRUE(blend.AnswerText().contains("Strength by weight: " +
                                            Figure(byWeight.strengthWeight, "0.00", settings)))
        << blend.AnswerText().toStdString();

    SizingForm& sizing = window.Sizing();
    sizing.StartWith({"2000", "10", "6", "3"}, StrengthUnit::Weight);
    ToolForm::Choose(sizing.chargeUnit, ChargeUnit::Grams);
    const StillSize grams = SizeStill({"2000", "10", "6", "3"}, {}, StrengthUnit::Weight,
                                      {54, 0.13L, 10}, StillCharge{20000, ChargeUnit::Grams, 20});
    EXPECT_TRUE(sizing.AnswerText().endsWith(
        "Heat-up (estimate): " + Figure(*grams.heatUpMinutes, "0.0", settings) + " min"))
        << sizing.AnswerText().toStdString();

    HydrometerForm& meter = window.Hydrometer();
    Type(meter.temperature, "30");
    Type(meter.volume, "750");
    const long double p = CorrectReading({40, StrengthUnit::Volume}, 30).strengthWeight / 100;
    const long double at20 = 750 * MixtureDensity(p, 30) / MixtureDensity(p, 20);
    EXPECT_TRUE(
        meter.AnswerText().endsWith("Volume at 20 °C: " + Figure(at20, "0.0", settings) + " ml"))
        << meter.AnswerText().toStdString();
}

// The study window's keys: F1 shows the help, which names each form and its
// data; Escape and Ctrl+W close from a field, and so does Close.
TEST(ToolsWindow, HasHelpAndClosesByKeyOrButton) {
    QWidget owner;
    const FormatSettings settings;
    ToolsWindow& window =
        ShowToolsWindow(owner, {"2000", "10", "6", "3"}, StrengthUnit::Weight, settings);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.Dilution().volume->setFocus();
    QTest::keyClick(window.Dilution().volume, Qt::Key_F1);
    auto* guide = window.findChild<QDialog*>(QStringLiteral("ToolsGuide"));
    ASSERT_NE(guide, nullptr);
    EXPECT_TRUE(guide->isVisible());
    for (const char* part :
         {"Dilution", "Blending", "Hydrometer", "Sizing", "Thermometer", "My column", "OIML R 22",
          "Lange", "packing", "Perry", "ICAO", "HETP", "efficiency"})
        EXPECT_TRUE(ToolsGuideHtml().contains(QString::fromUtf8(part))) << part;
    guide->close();
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {{Qt::Key_Escape, Qt::NoModifier},
                                                              {Qt::Key_W, Qt::ControlModifier}};
    for (const auto& [key, modifiers] : keys) {
        ShowToolsWindow(owner, {"2000", "10", "6", "3"}, StrengthUnit::Weight, settings);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        window.Sizing().bore->setFocus();
        QTest::keyClick(window.Sizing().bore, key, modifiers);
        EXPECT_FALSE(window.isVisible()) << QKeySequence(key | modifiers).toString().toStdString();
    }
    ShowToolsWindow(owner, {"2000", "10", "6", "3"}, StrengthUnit::Weight, settings);
    auto* buttons = window.findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    buttons->button(QDialogButtonBox::Close)->click();
    EXPECT_FALSE(window.isVisible());
}

// Every line edit keeps a text of any length whole, and no unbroken text
// typed into one makes the window wider than its screen; the window fits
// its screen when it opens.
TEST(ToolsWindow, EveryFieldKeepsAnyTextAndTheWindowKeepsToTheScreen) {
    const FormatSettings settings;
    QWidget owner;
    ToolsWindow& window =
        ShowToolsWindow(owner, {"2000", "10", "6", "3"}, StrengthUnit::Weight, settings);
    const QRect screen = window.screen()->availableGeometry();
    EXPECT_LE(window.frameGeometry().height(), screen.height());
    EXPECT_LE(window.frameGeometry().width(), screen.width());
    const QList<QLineEdit*> fields = window.findChildren<QLineEdit*>();
    ASSERT_GE(fields.size(), 20);
    const QString huge(100000, QChar('7'));
    const QString unbroken(600, QChar('w'));
    for (QLineEdit* field : fields) {
        SCOPED_TRACE(field->accessibleName().toStdString());
        field->setEnabled(true);
        field->setText(huge);
        EXPECT_EQ(field->text().size(), huge.size());
        field->clear();
        QTest::keyClicks(field, unbroken);
        QCoreApplication::processEvents();
        EXPECT_LE(window.sizeHint().width(), screen.width());
        EXPECT_LE(window.width(), screen.width());
        field->clear();
    }
}

}  // namespace
}  // namespace colmara
