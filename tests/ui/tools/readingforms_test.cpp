// The Tools window's thermometer and own-column forms: filled in as a person
// would, they show the companion tool's own answer for the same inputs; a
// refusal names its field, keeps every text and goes once the field is put
// right; the plate count comes from a worker while the window goes on; and
// every form fits a 640x480 screen.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QScrollArea>
#include <QTest>
#include <QToolTip>
#include <string>
#include <vector>

#include "ui/companionprogram.h"
#include "ui/tools/toolswindow.h"

namespace colmara {
namespace {

// A control found by its accessible name and what is put into it: a field's
// text, a selector's item, or "on"/"off" for a box.
struct Entry {
    const char* control;
    const char* value;
};

enum class Tab { Thermometer, MyColumn };

ConditionsForm& FormOf(ToolsWindow& window, Tab tab) {
    if (tab == Tab::Thermometer) return window.Thermometer();
    return window.MyColumn();
}

QWidget* Control(ToolForm& form, const char* name) {
    for (QWidget* control : form.findChildren<QWidget*>())
        if (control->accessibleName() == QString::fromUtf8(name)) return control;
    ADD_FAILURE() << "no control named " << name;
    return &form;
}

void Put(ToolForm& form, const Entry& entry) {
    QWidget* control = Control(form, entry.control);
    const QString value = QString::fromUtf8(entry.value);
    if (auto* field = qobject_cast<QLineEdit*>(control)) field->setText(value);
    if (auto* selector = qobject_cast<QComboBox*>(control)) {
        ASSERT_GE(selector->findText(value), 0) << entry.value;
        selector->setCurrentIndex(selector->findText(value));
    }
    if (auto* box = qobject_cast<QCheckBox*>(control)) box->setChecked(value == "on");
}

// Every field's text, in the form's order.
QStringList Texts(const ToolForm& form) {
    QStringList texts;
    for (const QLineEdit* field : form.findChildren<QLineEdit*>()) texts << field->text();
    return texts;
}

// The answer once the form's worker (if it has one) has delivered it.
QString Answered(ToolForm& form) {
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form.Busy(); }, 10000));
    return form.AnswerText();
}

// The tool's lines as the window writes them: "Label: value unit".
QString AsWindowText(const std::string& tool) {
    QStringList lines;
    for (const QString& line : QString::fromStdString(tool).split('\n', Qt::SkipEmptyParts)) {
        const qsizetype colon = line.indexOf(':');
        QString label = line.left(colon);
        label[0] = label[0].toUpper();
        lines << label + ": " + line.mid(colon + 1).trimmed().replace(" degC", " °C");
    }
    return lines.join('\n');
}

struct ToolCase {
    const char* why;
    Tab tab;
    std::vector<Entry> entries;  // set in order, on the form's first texts
    std::vector<std::string> args;
    bool comma = false;
};

TEST(ReadingForms, ShowTheToolsAnswerForTheSameInputs) {
    const ToolCase cases[] = {
        {"the first texts: a head thermometer at 1 atm",
         Tab::Thermometer,
         {},
         {"boiling", "--head-temperature", "78.6"}},
        {"a liquid's strength by volume at an altitude, through an offset in K",
         Tab::Thermometer,
         {{"Given", "Liquid in the boiler (boiling)"},
          {"Reading", "40"},
          {"Reading unit", "% vol"},
          {"Pressure unit", "m of altitude"},
          {"Altitude", "450"},
          {"Thermometer offset", "0.5"}},
         {"boiling", "--strength", "40", "--altitude", "450", "--offset", "0.5"}},
        {"a vapour's strength by weight at a low pressure",
         Tab::Thermometer,
         {{"Reading", "80"}, {"Reading unit", "% by weight"}, {"Air pressure", "950"}},
         {"boiling", "--vapour-strength", "80", "--units", "weight", "--pressure", "950"}},
        {"a liquid's strength by mole: the two streams by mole at the end",
         Tab::Thermometer,
         {{"Given", "Liquid in the boiler (boiling)"},
          {"Reading", "30"},
          {"Reading unit", "% mol"}},
         {"boiling", "--strength", "30", "--units", "mole"}},
        {"a head reading by mole, as a textbook gives it, and a boiler reading in degC",
         Tab::MyColumn,
         {{"Head reading unit", "% mol"}, {"Head reading", "70"}},
         {"plates", "--boiler", "92.5C", "--head", "70", "--units", "mole", "--total-reflux"}},
        {"a boiler thermometer calibrated in boiling water, decimal commas",
         Tab::Thermometer,
         {{"Given", "Liquid in the boiler (boiling)"},
          {"Reading", "92,5"},
          {"Air pressure", "985,5"},
          {"Offset unit", "°C in boiling water"},
          {"Boiling water reading", "99,1"}},
         {"boiling", "--temperature", "92,5", "--pressure", "985,5", "--boiling-water-reading",
          "99,1"},
         true},
        {"the first texts: two thermometers at total reflux",
         Tab::MyColumn,
         {},
         {"plates", "--boiler", "92.5C", "--head", "78.6C", "--total-reflux"}},
        {"strengths by volume at a power and reflux, with the height and trays",
         Tab::MyColumn,
         {{"Boiler reading unit", "% vol"},
          {"Boiler reading", "10"},
          {"Head reading unit", "% vol"},
          {"Head reading", "85"},
          {"Total reflux", "off"},
          {"Packed height", "1.2"},
          {"Real plates", "8"}},
         {"plates", "--boiler", "10", "--head", "85", "--power", "1500", "--reflux", "3",
          "--height", "1.2", "--real-plates", "8"}},
        // Each reading has its own unit: the boiler's strength, the head's thermometer.
        {"a boiler strength by weight and a head thermometer at an altitude",
         Tab::MyColumn,
         {{"Boiler reading unit", "% by weight"},
          {"Boiler reading", "8"},
          {"Head reading", "79.1"},
          {"Pressure unit", "m of altitude"},
          {"Altitude", "600"},
          {"Thermometer offset", "-0.3"}},
         {"plates", "--boiler", "8", "--head", "79.1C", "--units", "weight", "--altitude", "600",
          "--offset", "-0.3", "--total-reflux"}},
        {"two thermometers, one calibrated in boiling water, decimal commas",
         Tab::MyColumn,
         {{"Boiler reading", "92,5"},
          {"Head reading", "78,6"},
          {"Air pressure", "985,5"},
          {"Offset unit", "°C in boiling water"},
          {"Boiling water reading", "99,1"},
          {"Packed height", "1,2"}},
         {"plates", "--boiler", "92,5C", "--head", "78,6C", "--pressure", "985,5",
          "--boiling-water-reading", "99,1", "--height", "1,2", "--total-reflux"},
         true},
    };
    const FormatSettings dot;
    const FormatSettings comma{",", "."};
    for (const ToolCase& c : cases) {
        SCOPED_TRACE(c.why);
        ToolsWindow window(c.comma ? comma : dot);
        ConditionsForm& form = FormOf(window, c.tab);
        for (const Entry& entry : c.entries) Put(form, entry);
        EXPECT_EQ(Answered(form), AsWindowText(test::CompanionOutput(c.args, c.comma)));
        EXPECT_FALSE(form.Refused());
    }
}

struct RefusalCase {
    Tab tab;
    std::vector<Entry> entries;
    const char* field;  // the name the refusal starts with
    Entry fix;          // puts that field right
};

TEST(ReadingForms, ARefusalNamesItsFieldKeepsEveryTextAndGoesWhenPutRight) {
    const RefusalCase cases[] = {
        {Tab::Thermometer, {{"Reading", "abc"}}, "Reading", {"Reading", "78.6"}},
        // Above the boiling point of water: no mixture boils there.
        {Tab::Thermometer,
         {{"Given", "Liquid in the boiler (boiling)"}, {"Reading", "101"}},
         "Reading",
         {"Reading", "92"}},
        {Tab::Thermometer, {{"Air pressure", "1200"}}, "Air pressure", {"Air pressure", "1000"}},
        // The unit chosen after the text: the refusal names the new meaning.
        {Tab::Thermometer,
         {{"Air pressure", "10000"}, {"Pressure unit", "m of altitude"}},
         "Altitude",
         {"Altitude", "1000"}},
        {Tab::Thermometer,
         {{"Thermometer offset", "hot"}, {"Offset unit", "°C in boiling water"}},
         "Boiling water reading",
         {"Boiling water reading", "99.5"}},
        // Above the azeotrope: no column reaches it.
        {Tab::MyColumn,
         {{"Head reading unit", "% vol"}, {"Head reading", "99"}},
         "Head reading",
         {"Head reading", "90"}},
        {Tab::MyColumn, {{"Total reflux", "off"}, {"Power", "0"}}, "Power", {"Power", "2000"}},
    };
    const FormatSettings settings;
    for (const RefusalCase& c : cases) {
        ToolsWindow window(settings);
        ConditionsForm& form = FormOf(window, c.tab);
        SCOPED_TRACE(std::string(c.field) + ", " + c.entries.back().value);
        for (const Entry& entry : c.entries) Put(form, entry);
        const QStringList typed = Texts(form);
        EXPECT_TRUE(Answered(form).startsWith(QString::fromUtf8(c.field) + ": "))
            << form.AnswerText().toStdString();
        EXPECT_TRUE(form.Refused());
        EXPECT_EQ(Texts(form), typed);
        Put(form, c.fix);
        EXPECT_FALSE(Answered(form).isEmpty());
        EXPECT_FALSE(form.Refused()) << form.AnswerText().toStdString();
    }
}

// The plate count runs on a worker: the form shows its last answer while
// the newest is computed, and after a run of edits the last edit's answer.
TEST(ReadingForms, MyColumnAnswersFromAWorkerWithTheNewestTexts) {
    const FormatSettings settings;
    ToolsWindow window(settings);
    MyColumnForm& form = window.MyColumn();
    const QString first = Answered(form);
    QTest::keyClick(form.head, Qt::Key_Backspace);
    EXPECT_TRUE(form.Busy());
    EXPECT_EQ(form.AnswerText(), first);
    for (const char* head : {"80", "79", "78.5", "78.9"}) {
        form.head->setText(QString::fromUtf8(head));
        QTest::qWait(5);
    }
    EXPECT_EQ(Answered(form),
              AsWindowText(test::CompanionOutput(
                  {"plates", "--boiler", "92.5C", "--head", "78.9C", "--total-reflux"})));
}

// Alt with a label's underlined letter gives its field the focus, and no
// letter of these forms is taken twice on the window.
TEST(ReadingForms, EveryLabelsKeyGivesItsFieldTheFocus) {
    const FormatSettings settings;
    ToolsWindow window(settings);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.MyColumn().totalReflux->setChecked(false);  // the power and reflux take the focus
    for (ToolForm* form : {static_cast<ToolForm*>(&window.Thermometer()),
                           static_cast<ToolForm*>(&window.MyColumn())}) {
        window.Tabs().setCurrentWidget(form->parentWidget()->parentWidget());
        for (const QLabel* label : form->findChildren<QLabel*>()) {
            const qsizetype amp = label->text().indexOf('&');
            if (amp < 0) continue;
            SCOPED_TRACE(label->text().toStdString());
            ASSERT_NE(label->buddy(), nullptr);
            window.Tabs().setFocus();
            QTest::keyClick(&window, label->text().at(amp + 1).toLower().toLatin1(),
                            Qt::AltModifier);
            EXPECT_TRUE(label->buddy()->hasFocus());
        }
    }
}

// 640x480 less a frame: every form takes the page's width without cutting a
// control off (the pages never scroll sideways) and scrolls its height, and
// every tip is narrower than the screen.
TEST(ReadingForms, EveryFormFitsASixFortyByFourEightyScreen) {
    const FormatSettings settings;
    ToolsWindow window(settings);
    window.resize(632, 448);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.size(), QSize(632, 448));
    for (int tab = 0; tab < window.Tabs().count(); ++tab) {
        window.Tabs().setCurrentIndex(tab);
        QCoreApplication::processEvents();
        auto* page = qobject_cast<QScrollArea*>(window.Tabs().currentWidget());
        ASSERT_NE(page, nullptr);
        SCOPED_TRACE(window.Tabs().tabText(tab).toStdString());
        EXPECT_LE(page->widget()->minimumSizeHint().width(), page->viewport()->width());
        EXPECT_LE(page->widget()->width(), page->viewport()->width());
    }
    // A tip is one line: it must fit the screen too.
    const QFontMetrics tipFont(QToolTip::font());
    for (const QWidget* control : window.findChildren<QWidget*>())
        EXPECT_LE(tipFont.horizontalAdvance(control->toolTip()), 600)
            << control->toolTip().toStdString();
}

}  // namespace
}  // namespace colmara
