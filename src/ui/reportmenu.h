// The context menu of the main window's report and summary lists: copy the
// lists, save the report, the plate table and the chart, open the study
// window or the Tools window. A right click, the menu key or Shift+F10 on either list opens it.
// It only reads the window: every entry acts on what the window shows or on
// the last calculation that ran through, and is disabled when there is none.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "ui/chart/chartexport.h"

class QAction;
class QListWidget;
class QMenu;
class QPoint;

namespace colmara {

class ErrorReporter;
class TForm1;

class ReportMenu : public QObject {
  public:
    ReportMenu(TForm1& form, ErrorReporter& reporter);

    // Brings each entry's enabled state up to date and shows the menu at
    // `globalPos`; it closes on a choice, a click elsewhere or Escape.
    void Popup(const QPoint& globalPos);

    QMenu& Menu() { return *menu_; }

    // The entries, in the menu's order.
    QAction* CopyReport;
    QAction* CopySummary;
    QAction* SaveReportAs;
    QAction* ExportPlateTable;
    QAction* SaveChartAsPng;
    QAction* SaveChartAsSvg;
    QAction* OpenTools;
    QAction* OpenStudy;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void AddEntries();
    void AttachTo(QListWidget* list);
    void UpdateEnabled();
    // Asks for a path (ChooseFile; the filter's suffix added when none is
    // typed) and writes what `bytes` returns there whole; nothing when the
    // user cancels. Throws Exception naming `what`, the path and the reason.
    void SaveAs(const QString& caption, const QString& suggestedName, const QString& filter,
                const QString& what, const std::function<QByteArray()>& bytes);
    QByteArray ChartPngBytes() const;
    QByteArray ChartSvgBytes() const;
    ChartPicture Picture() const;

    TForm1& form_;
    ErrorReporter& reporter_;
    QMenu* menu_;
};

}  // namespace colmara
