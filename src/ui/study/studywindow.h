// The study window: the four inputs with a unit selector and a status line,
// recalculated live on a worker thread, and a tab per way of looking at the
// newest case. File actions report to the status line, never in a box.
#pragma once

#include <QMainWindow>
#include <QSplitter>
#include <QStringList>
#include <QTabWidget>
#include <vector>

#include "study/setupfile.h"
#include "ui/study/batchrunpanel.h"
#include "ui/study/casesolver.h"
#include "ui/study/studyinputs.h"
#include "ui/study/studypanel.h"

namespace colmara {

class StudyWindow : public QMainWindow {
    Q_OBJECT

  public:
    // settings: the number symbols of the fields and charts; must outlive the
    // window. Starts with the inputs, unit, tab and geometry of the last run.
    explicit StudyWindow(const FormatSettings& settings, QWidget* parent = nullptr);

    // Replaces the inputs (the main window's texts, by weight).
    void StartWith(const InputTexts& typed, StrengthUnit unit = StrengthUnit::Weight);

    StudyInputs& Inputs() { return *inputs_; }
    CaseSolver& Solver() { return solver_; }
    QTabWidget& Tabs() { return *tabs_; }
    StudyPanel& Panel(int index) { return *panels_.at(index); }
    StudyPanel& CurrentPanel() { return *panels_.at(tabs_->currentIndex()); }
    BatchRunPanel& Batch() { return *batch_; }
    // The newest delivered case.
    const StudyCase& Shown() const { return shown_; }

    // The File menu's actions; they ask for files through ChooseFile.
    void OpenSetup();
    void SaveSetup();
    // Opens a run log on the batch tab, which it shows.
    void OpenRunLog();
    void Export();
    void CopyTable();

    // Remembers size, position, inputs, unit and tab for the next run.
    void SaveState() const;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void AddPanels();
    void AddPanel(StudyPanel* panel, const QString& title);
    void OrderFocus();
    void BuildMenu();
    void BuildFileMenu();
    // Moves `step` tabs on, round the ends.
    void StepTab(int step);
    void RestoreState();
    // Inputs beside the tabs when the window is wide, above them when narrow.
    void Reflow(int width);
    void InputsChanged();
    void ShowCase(const StudyCase& study);
    QString ChartTitle() const;
    // Says in the status line, after `lead`, why nothing of `panel` may go
    // out now; false when it may.
    bool Refused(const StudyPanel& panel, const std::string& lead);
    void ExportAs(StudyPanel& panel, const QString& path, const QString& filter);

    const FormatSettings& settings_;
    StudyInputs* inputs_;
    QTabWidget* tabs_;
    QSplitter* splitter_;
    std::vector<StudyPanel*> panels_;
    BatchRunPanel* batch_ = nullptr;
    CaseSolver solver_;
    StudyCase shown_;
    bool solvedOnce_ = false;  // a case has solved, so a failure leaves grey curves
};

}  // namespace colmara
