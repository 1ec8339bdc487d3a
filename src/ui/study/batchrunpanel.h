// The "Batch run" tab: a whole run of the still for the window's four inputs
// and the tab's own (charge, policy, cuts, stops), run off the GUI thread;
// a chart of the run over time and the cut table, which is the companion
// tool's `batch --cuts` byte for byte. While a run is calculated the last
// one stays, greyed, under a progress bar. A run log opened (File or a
// .csv dropped on the tab) is drawn over the run's curves and can be fitted
// (runlogbar.h).
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSplitter>
#include <QTableWidget>
#include <QTimer>
#include <optional>
#include <vector>

#include "batch/batchresult.h"
#include "study/batchtexts.h"
#include "study/records.h"
#include "studyview/batchchart.h"
#include "studyview/typedstrength.h"
#include "ui/study/batchrunner.h"
#include "ui/study/chartpane.h"
#include "ui/study/runlogbar.h"
#include "ui/study/studypanel.h"

namespace colmara {

class BatchRunPanel : public StudyPanel {
    Q_OBJECT

  public:
    // settings: the number symbols of fields and chart; must outlive the panel.
    explicit BatchRunPanel(const FormatSettings& settings, QWidget* parent = nullptr);

    ChartView* ExportChart() override { return &pane_->View(); }
    // The column's inputs with the reflux as the run's policy set it, and
    // the run's charge, cuts and stops: those of the run drawn.
    QString Caption() const override;
    std::string TableName() const override { return "cut table"; }
    // The run's timeline, as `colmara-report batch` prints it.
    std::string SecondTableName() const override { return "timeline"; }
    ChartView& RefluxView() { return *refluxView_; }

    // The tab's texts, as setups and settings keep them, their strengths in
    // StrengthsUnit().
    BatchTexts Texts() const;
    void SetTexts(const BatchTexts& texts);
    // The window's unit is now `to`: every strength of the texts is
    // rewritten to keep its meaning (switching back unedited gives the texts
    // as typed), and the labels name the unit. The next case runs them.
    void SwitchUnit(StrengthUnit to);
    StrengthUnit StrengthsUnit() const { return unit_; }
    QLabel& Label(std::string BatchTexts::*text) { return *labels_.at(IndexOf(text)); }

    BatchRunner& Runner() { return runner_; }
    const BatchChart& Chart() const { return chart_; }
    ChartPane& Pane() { return *pane_; }
    QTableWidget& Table() { return *table_; }
    QLineEdit& Field(std::string BatchTexts::*text) { return *fields_.at(IndexOf(text)); }
    QComboBox& ChargeUnit() { return *chargeUnit_; }
    QComboBox& Policy() { return *policy_; }
    // Whether the chart's right axis gives the head temperature rather than
    // the amount collected; the window keeps the choice in its settings.
    QCheckBox& HeadTemperatureBox() { return *headShown_; }
    // The run's totals, or why there is none.
    QString Summary() const { return summary_->text(); }
    // The run shown is that of the inputs and texts on screen.
    bool RunCurrent() const { return current_; }
    // Shown while a run is calculated, once it takes longer than a glance.
    QProgressBar& Progress() { return *progress_; }
    static constexpr int kBusyShowMs = 250;

    // Reads the run log at `path` off the GUI thread and draws it with the
    // next run; a file refused leaves the log open as it was.
    void OpenLog(const QString& path) { logBar_->Open(path); }
    void CloseLog();
    RunLogBar& LogBar() { return *logBar_; }

  protected:
    void Draw(const StudyCase& newest) override;
    std::string PanelTable(TableFormat format) const override;
    std::string PanelSecondTable() const override;
    std::string PanelRefusal() const override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  public:
    struct FieldEntry;

  private:
    static std::size_t IndexOf(std::string BatchTexts::*text);
    // Narrower than the form and this, the results go below the form.
    static constexpr int kResultsLeast = 380;
    // The results' height when stacked.
    static constexpr int kStackedResults = 440;

    QWidget* BuildForm();
    void SetUpTable();
    void Arrange();
    void Restack(int width);
    void ChainTabOrder();
    void AddField(QFormLayout& form, const FieldEntry& entry);
    void Relabel();
    void Edited();
    // Greys the texts the run does not read.
    void Greys();
    void Rerun();
    // The run of the texts and case on screen; throws StudyError when they
    // do not read.
    BatchRequest ScreenRequest() const;
    void AskFit();
    void ShowLog(const BatchOutcome& outcome);
    void Finished(const BatchOutcome& outcome);
    // Greys the run shown and shows the progress of the one calculated.
    void ShowBusy();
    void ShowProgress(double share);
    void EndBusy();
    void SetSummary(const QString& text);
    void Refuse(const std::string& message);
    void FillTable();
    std::string Readout(const std::vector<SeriesReading>& readings) const;

    const FormatSettings& settings_;
    std::vector<QLineEdit*> fields_;  // in kBatchTextKeys order; null for the two lists
    std::vector<QLabel*> labels_;     // in kBatchTextKeys order
    // The texts that hold strengths follow the unit switch.
    std::vector<std::optional<TypedStrength>> strengths_;
    StrengthUnit unit_ = StrengthUnit::Weight;  // the strengths' unit, the window's
    QComboBox* chargeUnit_ = nullptr;
    QComboBox* policy_ = nullptr;
    QCheckBox* headShown_ = nullptr;
    QWidget* form_;
    ChartPane* pane_;
    ChartView* refluxView_;
    BatchChart chart_;
    QTableWidget* table_;
    QLabel* summary_;
    QProgressBar* progress_;
    RunLogBar* logBar_;
    QSplitter* split_;  // the form beside the results, or above them
    QWidget* results_ = nullptr;
    QTimer busyShow_;   // a run of a glance shows no sign of work
    double share_ = 0;  // of the run being calculated
    BatchRunner runner_;
    bool haveCase_ = false;
    bool stale_ = false;                // the texts changed while the tab was hidden
    std::string refusal_;               // why the last run asked for has nothing to show
    bool current_ = false;              // the run shown is that of the newest texts
    std::vector<Record> cuts_;          // the cut table exported; empty while not current
    std::vector<CutResult> shownCuts_;  // the cuts of the run shown
    StrengthUnit shownUnit_ = StrengthUnit::Weight;
    std::string timelineCsv_;  // of the run shown
    // What a run was asked for and what the run shown was: its texts and case.
    struct RunInputs {
        BatchTexts texts;
        StudyCase study;
    };
    RunInputs requested_;
    std::optional<RunInputs> drawn_;
};

}  // namespace colmara
