// The lists' context menu on an offscreen main window: which entries it
// offers when, and what each writes, checked against the lists, the chart
// and the companion tool's own profile for the same texts.
#include "ui/reportmenu.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <sstream>

#include "support/tinydisk.h"
#include "ui/chart/chartwidget.h"
#include "ui/chooserfortest.h"
#include "ui/companionprogram.h"
#include "ui/form1.h"
#include "ui/recordingreporter.h"
#include "ui/tools/toolswindow.h"

namespace colmara {
namespace {

using test::RecordingReporter;

void Calculate(TForm1& form) {
    QTest::mouseClick(form.Button1, Qt::LeftButton);
}

QString Lines(const QListWidget* list) {
    QString text;
    for (int i = 0; i < list->count(); ++i) text += list->item(i)->text() + '\n';
    return text;
}

std::vector<bool> EnabledStates(ReportMenu& menu) {
    std::vector<bool> states;
    for (QAction* action : menu.Menu().actions())
        if (!action->isSeparator()) states.push_back(action->isEnabled());
    return states;
}

TEST(ReportMenu, OffersItsEntriesOnlyWithSomethingToActOn) {
    // Each with a mnemonic of its own.
    const std::vector<QString> names = {"&Copy report",
                                        "Copy &summary",
                                        "Save &report as\u2026",
                                        "Export &plate table as CSV\u2026",
                                        "Save chart as P&NG\u2026",
                                        "Save chart as S&VG\u2026",
                                        "&Open tools window",
                                        "Open s&tudy window"};
    const struct {
        const char* what;
        std::function<void(TForm1&)> act;
        std::vector<bool> enabled;
    } cases[] = {
        {"no calculation yet", [](TForm1&) {}, {0, 0, 0, 0, 0, 0, 1, 0}},
        {"calculated", Calculate, {1, 1, 1, 1, 1, 1, 1, 0}},
        {"a calculation failed after one ran",
         [](TForm1& form) {
             Calculate(form);
             form.Edit1->setText("abc");
             Calculate(form);
         },
         {0, 1, 0, 0, 0, 0, 1, 0}},
        {"a study window to open",
         [](TForm1& form) { form.OpenStudyWindow = [](const InputTexts&) {}; },
         {0, 0, 0, 0, 0, 0, 1, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingReporter reporter;
        TForm1 form(reporter);
        c.act(form);
        ReportMenu& menu = form.ContextMenu();
        menu.Popup(QPoint(400, 400));
        EXPECT_EQ(EnabledStates(menu), c.enabled);
        std::vector<QString> texts;
        for (QAction* action : menu.Menu().actions())
            if (!action->isSeparator()) texts.push_back(action->text());
        EXPECT_EQ(texts, names);
        EXPECT_EQ(menu.Menu().font(), form.font());
        menu.Menu().close();
    }
}

TEST(ReportMenu, ItsMnemonicOpensTheStudyWindowByKeyboard) {
    RecordingReporter reporter;
    TForm1 form(reporter);
    int opened = 0;
    form.OpenStudyWindow = [&](const InputTexts&) { ++opened; };
    ReportMenu& menu = form.ContextMenu();
    menu.Popup(QPoint(400, 400));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu.Menu()));
    QTest::keyClick(&menu.Menu(), Qt::Key_T);
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(menu.Menu().isVisible());
}

TEST(ReportMenu, OpensFromEitherListByMouseOrKeyboardSelectingNothing) {
    const struct {
        const char* what;
        std::function<void(QListWidget*)> open;
    } ways[] = {
        {"right click",
         [](QListWidget* list) {
             // Through the window, as the platform delivers a click.
             const QPoint at = list->visualItemRect(list->item(1)).center();
             QWidget* form = list->window();
             QTest::mouseClick(form->windowHandle(), Qt::RightButton, {},
                               list->viewport()->mapTo(form, at));
         }},
        {"menu key",
         [](QListWidget* list) {
             QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(5, 5),
                                     list->mapToGlobal(QPoint(5, 5)));
             QCoreApplication::sendEvent(list, &event);
         }},
        {"Shift+F10",
         [](QListWidget* list) { QTest::keyClick(list, Qt::Key_F10, Qt::ShiftModifier); }},
    };
    RecordingReporter reporter;
    TForm1 form(reporter);
    form.show();
    Calculate(form);
    QMenu& menu = form.ContextMenu().Menu();
    for (QListWidget* list : {form.ListBox1, form.ListBox2}) {
        for (const auto& way : ways) {
            SCOPED_TRACE(std::string(way.what) + " on " + list->objectName().toStdString());
            ASSERT_FALSE(menu.isVisible());
            way.open(list);
            EXPECT_TRUE(menu.isVisible());
            EXPECT_TRUE(list->selectedItems().isEmpty());
            QTest::keyClick(&menu, Qt::Key_Escape);
            EXPECT_FALSE(menu.isVisible());
        }
    }
}

// What `colmara-report profile` prints for these texts.
std::string CompanionProfile(const InputTexts& texts) {
    return test::CompanionOutput({"profile", "--power", texts.power, "--strength", texts.strength,
                                  "--plates", texts.plates, "--reflux", texts.reflux});
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

TEST(ReportMenu, SavesTheLastCalculationAndOpensTheFieldsAsTheyStand) {
    RecordingReporter reporter;
    TForm1 form(reporter);
    const InputTexts texts{"1500", "10", "5", "3"};
    form.Edit1->setText("1500");
    form.Edit2->setText("10");
    form.Edit3->setText("5");
    form.Edit4->setText("3");
    Calculate(form);
    // Typed after the calculation: the table still belongs to what was
    // calculated, the study window gets the fields as they stand.
    form.Edit3->setText("7");
    std::vector<InputTexts> opened;
    form.OpenStudyWindow = [&](const InputTexts& fields) { opened.push_back(fields); };

    QTemporaryDir dir;
    ReportMenu& menu = form.ContextMenu();
    const ChooserForTest chooser([&](const FileRequest& request) {
        return FileChoice{dir.filePath(request.suggestedName), request.filters.front()};
    });
    menu.Popup(QPoint(400, 400));
    for (QAction* action : menu.Menu().actions()) action->trigger();
    EXPECT_TRUE(reporter.boxes.empty());
    EXPECT_EQ(opened, (std::vector<InputTexts>{{"1500", "10", "7", "3"}}));
    // The Tools window's sizing starts from the fields as they stand too.
    auto* tools = form.findChild<ToolsWindow*>();
    ASSERT_NE(tools, nullptr);
    EXPECT_EQ(tools->Sizing().plates->text(), "7");

    EXPECT_EQ(QGuiApplication::clipboard()->text(), Lines(form.ListBox2));
    EXPECT_EQ(FileBytes(dir.filePath("report.txt")),
              (Lines(form.ListBox1) + '\n' + Lines(form.ListBox2)).toUtf8());
    EXPECT_EQ(FileBytes(dir.filePath("plates.csv")).toStdString(), CompanionProfile(texts));
    // The file shows the chart as the screen does, and below it the inputs.
    const QImage png(dir.filePath("chart.png"));
    const QSize shown = form.Chart1->size();
    EXPECT_EQ(png.size(), shown + QSize(0, 22));
    EXPECT_EQ(png.copy(QRect(QPoint(0, 0), shown)),
              form.Chart1->grab().toImage().convertToFormat(png.format()));
    const QByteArray svg = FileBytes(dir.filePath("chart.svg"));
    EXPECT_TRUE(svg.contains("<title>Strength in column</title>"));
    EXPECT_TRUE(
        svg.contains("<desc>Power 1500 W \u00b7 strength 10 % by weight \u00b7 5 plates "
                     "\u00b7 reflux 3</desc>"))
        << svg.left(600).toStdString();

    menu.CopyReport->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), Lines(form.ListBox1));
}

TEST(ReportMenu, AFileThatCannotBeWrittenGoesToTheErrorBoxAndLeavesNothing) {
    RecordingReporter reporter;
    TForm1 form(reporter);
    Calculate(form);
    QTemporaryDir dir;
    const QString path = dir.filePath("no-such-folder/report.txt");
    const ChooserForTest chooser([&](const FileRequest&) { return FileChoice{path, {}}; });
    form.ContextMenu().Popup(QPoint(400, 400));
    form.ContextMenu().SaveReportAs->trigger();
    ASSERT_EQ(reporter.boxes.size(), 1u);
    EXPECT_EQ(reporter.boxes[0].text,
              "The report could not be saved to '" + path + "': No such file or directory.");
    EXPECT_FALSE(QFile::exists(path));
    Calculate(form);
    EXPECT_EQ(reporter.boxes.size(), 1u) << "the window goes on calculating";
}

TEST(ReportMenu, SavesAddTheFilterSuffixAndAFullDiskKeepsTheOldFile) {
    RecordingReporter reporter;
    TForm1 form(reporter);
    Calculate(form);
    ReportMenu& menu = form.ContextMenu();
    QString name;
    QString folder;
    const ChooserForTest chooser([&](const FileRequest&) {
        return FileChoice{folder + '/' + name, {}};
    });
    QTemporaryDir dir;
    folder = dir.path();
    name = QStringLiteral("main-report");
    menu.SaveReportAs->trigger();
    EXPECT_TRUE(QFile::exists(dir.filePath("main-report.txt")));
    // A name whose suffix is another format is refused; nothing is written.
    name = QStringLiteral("chart.svg");
    menu.SaveChartAsPng->trigger();
    ASSERT_EQ(reporter.boxes.size(), 1u);
    EXPECT_EQ(reporter.boxes[0].text, "Nothing saved: this writes PNG, not .svg.");
    EXPECT_FALSE(QFile::exists(dir.filePath("chart.svg")));

    const test::TinyDisk disk;
    if (!disk.Mounted()) GTEST_SKIP() << disk.SkipReason();
    folder = QString::fromStdString(disk.Path(""));
    for (const auto& [entry, file] : {std::pair{menu.SaveReportAs, "report.txt"},
                                      {menu.ExportPlateTable, "plates.csv"},
                                      {menu.SaveChartAsPng, "chart.png"},
                                      {menu.SaveChartAsSvg, "chart.svg"}})
        disk.Place(file, 8192);
    disk.Fill();
    for (const auto& [entry, file] : {std::pair{menu.SaveReportAs, "report.txt"},
                                      {menu.ExportPlateTable, "plates.csv"},
                                      {menu.SaveChartAsPng, "chart.png"},
                                      {menu.SaveChartAsSvg, "chart.svg"}}) {
        SCOPED_TRACE(file);
        reporter.boxes.clear();
        name = QString::fromUtf8(file);
        entry->trigger();
        ASSERT_EQ(reporter.boxes.size(), 1u);
        EXPECT_TRUE(reporter.boxes[0].text.endsWith(": No space left on device."))
            << reporter.boxes[0].text.toStdString();
        EXPECT_EQ(test::FileBytes(disk.Path(file)), std::string(8192, 'o'));
    }
}

}  // namespace
}  // namespace colmara
