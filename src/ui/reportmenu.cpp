#include "ui/reportmenu.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>

#include "runtime/exceptions.h"
#include "runtime/fileerror.h"
#include "ui/chart/chartwidget.h"
#include "ui/errorreporter.h"
#include "ui/filechooser.h"
#include "ui/form1.h"
#include "ui/inputscaption.h"
#include "ui/reportexport.h"
#include "ui/savefile.h"
#include "ui/tools/toolswindow.h"

namespace colmara {

namespace {

// The chart's title lines, as the SVG document's title.
QString ChartTitle(const TChart& chart) {
    QStringList lines;
    for (const std::string& line : chart.Title.Text) lines << QString::fromStdString(line);
    return lines.join(QLatin1Char(' '));
}

}  // namespace

ReportMenu::ReportMenu(TForm1& form, ErrorReporter& reporter)
    : QObject(&form), form_(form), reporter_(reporter), menu_(new QMenu(&form)) {
    menu_->setObjectName(QStringLiteral("ReportMenu"));
    // A popup is a window of its own and inherits no font from the form.
    menu_->setFont(form.font());
    AddEntries();
    AttachTo(form.ListBox1);
    AttachTo(form.ListBox2);
}

void ReportMenu::AddEntries() {
    auto entry = [this](const QString& text, std::function<void()> handler) {
        QAction* action = menu_->addAction(text);
        connect(action, &QAction::triggered, this,
                [this, handler = std::move(handler)] { reporter_.Guard(handler); });
        return action;
    };
    auto copy = [](const QListWidget* list) {
        QGuiApplication::clipboard()->setText(ListText(*list));
    };
    CopyReport = entry(QStringLiteral("&Copy report"), [this, copy] { copy(form_.ListBox1); });
    CopySummary = entry(QStringLiteral("Copy &summary"), [this, copy] { copy(form_.ListBox2); });
    menu_->addSeparator();
    SaveReportAs = entry(QStringLiteral("Save &report as\u2026"), [this] {
        SaveAs(QStringLiteral("Save report as"), QStringLiteral("report.txt"),
               QStringLiteral("Text files (*.txt)"), QStringLiteral("report"),
               [this] { return ReportFileBytes(*form_.ListBox1, *form_.ListBox2); });
    });
    ExportPlateTable = entry(QStringLiteral("Export &plate table as CSV\u2026"), [this] {
        SaveAs(QStringLiteral("Export plate table as CSV"), QStringLiteral("plates.csv"),
               QStringLiteral("CSV files (*.csv)"), QStringLiteral("plate table"), [this] {
                   const CalculatedCase& last = *form_.LastCalculated();
                   return PlateTableCsv(last.inputs, last.settings);
               });
    });
    SaveChartAsPng = entry(QStringLiteral("Save chart as P&NG\u2026"), [this] {
        SaveAs(QStringLiteral("Save chart as PNG"), QStringLiteral("chart.png"),
               QStringLiteral("PNG images (*.png)"), QStringLiteral("chart"),
               [this] { return ChartPngBytes(); });
    });
    SaveChartAsSvg = entry(QStringLiteral("Save chart as S&VG\u2026"), [this] {
        SaveAs(QStringLiteral("Save chart as SVG"), QStringLiteral("chart.svg"),
               QStringLiteral("SVG images (*.svg)"), QStringLiteral("chart"),
               [this] { return ChartSvgBytes(); });
    });
    menu_->addSeparator();
    OpenTools = entry(QStringLiteral("&Open tools window"), [this] {
        ShowToolsWindow(form_, form_.FieldTexts(), StrengthUnit::Weight, ProcessFormatSettings());
    });
    OpenStudy = entry(QStringLiteral("Open s&tudy window"), [this] {
        if (form_.OpenStudyWindow) form_.OpenStudyWindow(form_.FieldTexts());
    });
}

void ReportMenu::AttachTo(QListWidget* list) {
    // A right click or the menu key arrives as a context menu request;
    // Shift+F10 is caught before the list reads its keys.
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &QWidget::customContextMenuRequested, this,
            [this, list](const QPoint& pos) { Popup(list->viewport()->mapToGlobal(pos)); });
    list->installEventFilter(this);
    list->viewport()->installEventFilter(this);
}

bool ReportMenu::eventFilter(QObject* watched, QEvent* event) {
    // The right button only opens the menu: the lists, like the window
    // system's own list boxes, select nothing with it. The platform sends
    // the context menu request whether or not the press is taken here.
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return static_cast<QMouseEvent*>(event)->button() == Qt::RightButton;
        case QEvent::KeyPress:
            break;
        default:
            return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    auto* list = qobject_cast<QListWidget*>(watched);
    if (list == nullptr || key->key() != Qt::Key_F10 || key->modifiers() != Qt::ShiftModifier)
        return false;
    const QRect current = list->visualItemRect(list->currentItem());
    Popup(list->viewport()->mapToGlobal(current.isValid() ? current.bottomLeft() : QPoint()));
    return true;
}

void ReportMenu::UpdateEnabled() {
    // Copying takes what the list shows; the files need a calculation that
    // ran through, so that report, summary, table and chart are one case.
    const bool calculated = form_.LastCalculated().has_value();
    CopyReport->setEnabled(form_.ListBox1->count() > 0);
    CopySummary->setEnabled(form_.ListBox2->count() > 0);
    for (QAction* file : {SaveReportAs, ExportPlateTable, SaveChartAsPng, SaveChartAsSvg})
        file->setEnabled(calculated);
    OpenStudy->setEnabled(static_cast<bool>(form_.OpenStudyWindow));
}

void ReportMenu::Popup(const QPoint& globalPos) {
    UpdateEnabled();
    menu_->popup(globalPos);
}

void ReportMenu::SaveAs(const QString& caption, const QString& suggestedName, const QString& filter,
                        const QString& what, const std::function<QByteArray()>& bytes) {
    const FileChoice choice = ChooseFile(&form_, {false, caption, suggestedName, {filter}});
    if (choice.path.isEmpty()) return;
    if (FilterForPath(choice.path, filter, {filter}).isEmpty())
        throw Exception(SuffixRefusal(choice.path, {filter}).toStdString());
    const QString path = WithSuffix(choice.path, filter);
    try {
        SaveWholeFile(path, bytes());
    } catch (const FileError& error) {
        throw Exception(QStringLiteral("The %1 could not be saved to '%2': %3")
                            .arg(what, path, QString::fromStdString(error.what()))
                            .toStdString());
    }
}

ChartPicture ReportMenu::Picture() const {
    const ChartWidget& chart = *form_.Chart1;
    const QString caption = InputsCaption(form_.LastCalculated()->inputs, StrengthUnit::Weight);
    return {chart.size(), caption, chart.devicePixelRatioF(), chart.palette()};
}

QByteArray ReportMenu::ChartPngBytes() const {
    return ChartPng(form_.Chart1->Chart(), Picture());
}

QByteArray ReportMenu::ChartSvgBytes() const {
    const TChart& chart = form_.Chart1->Chart();
    return ChartSvg(chart, Picture(), ChartTitle(chart));
}

}  // namespace colmara
