#include "ui/reportmenu.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>

#include "runtime/exceptions.h"
#include "ui/chart/chartexport.h"
#include "ui/chart/chartwidget.h"
#include "ui/errorreporter.h"
#include "ui/form1.h"
#include "ui/reportexport.h"

namespace colmara {

namespace {

QString DialogPath(QWidget* parent, const QString& caption, const QString& suggestedName,
                   const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, suggestedName, filter);
}

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
    choosePath_ = [this](const QString& caption, const QString& name, const QString& filter) {
        return DialogPath(&form_, caption, name, filter);
    };
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
    const QString path = choosePath_(caption, suggestedName, filter);
    if (path.isEmpty()) return;
    WriteWholeFile(path, bytes(), what);
}

QByteArray ReportMenu::ChartPngBytes() const {
    const ChartWidget& chart = *form_.Chart1;
    const QImage image = ChartImage(form_.Chart1->Chart(), chart.size(), chart.palette());
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        throw Exception("The chart could not be drawn as a PNG image");
    return png;
}

QByteArray ReportMenu::ChartSvgBytes() const {
    TChart& chart = form_.Chart1->Chart();
    return ChartSvg(chart, form_.Chart1->size(), ChartTitle(chart), form_.Chart1->palette());
}

}  // namespace colmara
