// The study window's sweep tab: one input varied over a range while the
// other three stay at the window's texts; product strength and amount
// plotted against it, with the rows in a table below, streaming in while
// the sweep runs on worker threads.
#pragma once

#include <QString>
#include <array>
#include <string>
#include <vector>

#include "chart/chartreadout.h"
#include "studyview/sweepchart.h"
#include "studyview/sweeprequest.h"
#include "ui/study/chartpane.h"
#include "ui/study/studypanel.h"
#include "ui/study/sweeprunner.h"

class QAction;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;

namespace colmara {

class SweepTableModel;

class SweepPanel : public StudyPanel {
  public:
    // settings: the number symbols of the fields, chart and table; must
    // outlive the panel.
    explicit SweepPanel(const FormatSettings& settings, QWidget* parent = nullptr);
    // Cancels a running sweep and waits for its threads.
    ~SweepPanel() override;

    ChartView* ExportChart() override;

    // Starts a sweep of the chosen input and range, cancelling one still
    // running; a malformed range shows its message instead.
    void Run();
    void Cancel();
    bool Running() const { return runner_.Running(); }
    // Escape's action: Cancel, enabled while a sweep runs; the window adds
    // it to itself so the key works wherever the focus is.
    QAction* CancelAction() const { return cancelAction_; }

    // The runner's worker threads (0: one per core).
    void SetThreads(unsigned threads) { threads_ = threads; }
    // The line under the controls: a refused range, or how a run ended.
    QString Message() const;
    // The rows in the table so far.
    int RowCount() const;

    QSize minimumSizeHint() const override;

  protected:
    // Takes the fixed inputs and the unit of the next run; rows already
    // shown stay as they are.
    void Draw(const StudyCase& newest) override;
    std::string PanelTable(TableFormat format) const override;
    // Each row names the inputs it was calculated for.
    bool FollowsTheCase() const override { return false; }
    // A sweep still running has only some of its rows.
    std::string PanelRefusal() const override;
    // The fixed inputs of the run shown, not those typed since.
    StudyCase CaptionCase() const override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void BuildControls();
    void BuildLayout();
    // The controls in one row, or in two where the panel is narrow.
    void PlaceControls(bool narrow);
    int OneRowWidth() const;
    int RowWidth(const std::vector<const QWidget*>& row) const;
    std::vector<const QWidget*> RangeWidgets() const;
    Input Varied() const;
    // The varied input and both figures at the point nearest the pointer.
    std::string Readout(const std::vector<SeriesReading>& readings) const;
    // Keeps the range typed for the old input and shows the new one's.
    void SwitchInput(int index);
    void TitleStrengthItem();
    void ShowRows(const std::vector<SweepRow>& rows);
    void ShowProgress(quint64 done, quint64 total);
    void ShowEnd(bool cancelled, const QString& error);
    void SetRunning(bool running);

    const FormatSettings& settings_;
    InputTexts fixed_;
    StudyCase runCase_;  // the fixed inputs and unit of the run shown
    StrengthUnit unit_ = StrengthUnit::Weight;
    unsigned threads_ = 0;
    // FROM, TO and STEP as last typed for each input, in grid order.
    std::array<std::array<QString, 3>, kInputs.size()> ranges_;
    int shownInput_ = 0;

    QLabel* varyLabel_ = nullptr;
    std::array<QLabel*, 3> boundLabels_{};
    QHBoxLayout* top_ = nullptr;
    QHBoxLayout* bottom_ = nullptr;
    bool narrow_ = false;
    QComboBox* vary_ = nullptr;
    std::array<QLineEdit*, 3> bounds_{};
    QPushButton* run_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QAction* cancelAction_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* message_ = nullptr;
    ChartPane* pane_ = nullptr;
    QTableView* table_ = nullptr;
    SweepTableModel* model_ = nullptr;
    std::unique_ptr<SweepChart> chart_;
    SweepRunner runner_;  // declared last: its threads end first
};

}  // namespace colmara
