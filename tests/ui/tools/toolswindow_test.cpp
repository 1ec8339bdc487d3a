// The Tools window: its forms answer as they are typed in with the tools'
// own numbers (in either decimal symbol), show a refusal in place of the
// answer, reach every control by keyboard with a name and a tip, and open
// from the study window's menu with the study's inputs.
#include "ui/tools/toolswindow.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QMenuBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "spirit/blend.h"
#include "spirit/dilution.h"
#include "spirit/hydrometer.h"
#include "spirit/stillsize.h"
#include "ui/study/studywindow.h"

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
    EXPECT_TRUE(sizing.AnswerText().startsWith("HETP: not a number"));
    Type(sizing.hetp, "0.5");
    EXPECT_TRUE(sizing.AnswerText().startsWith("Column height: 3.00 m"));
    Type(sizing.reflux, "-1");
    EXPECT_EQ(sizing.AnswerText(), "Floating point division by zero.");
    // The same owner keeps one window, started again from the new inputs.
    EXPECT_EQ(&ShowToolsWindow(owner, {"1000", "20", "4", "2"}, StrengthUnit::Volume, settings),
              &window);
    EXPECT_EQ(sizing.unit->currentIndex(), 1);
    EXPECT_FALSE(sizing.Refused());
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
}

}  // namespace
}  // namespace colmara
