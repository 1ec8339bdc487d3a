// The McCabe-Thiele tab of the study window: the diagram of the newest case
// in mass fractions (mole fractions when strengths are shown by mole), with
// the published equilibrium points on request, the two limits of its
// separation on request (computed off the GUI thread by LimitsSolver), and
// its table of stages.
#pragma once

#include <vector>

#include "chart/chartreadout.h"
#include "study/records.h"
#include "studyview/mccabechart.h"
#include "ui/study/chartpane.h"
#include "ui/study/limitssolver.h"
#include "ui/study/studypanel.h"

class QCheckBox;
class QLabel;

namespace colmara {

class McCabePanel : public StudyPanel {
  public:
    // settings: the number symbols of the chart's texts; must outlive the panel.
    explicit McCabePanel(const FormatSettings& settings, QWidget* parent = nullptr);

    ChartView* ExportChart() override { return &pane_->View(); }

    const McCabeSeries& Series() const { return series_; }
    ChartPane& Pane() { return *pane_; }
    QCheckBox* PublishedBox() const { return published_; }
    QCheckBox* LimitsBox() const { return limits_; }
    // The limits' figures, or why there are none; empty while none is asked.
    QString LimitsReadout() const;
    bool LimitsBusy() const { return limitsSolver_->Busy(); }

  protected:
    void Draw(const StudyCase& newest) override;
    std::string PanelTable(TableFormat format) const override;

  private:
    // The pointer's x and y, and the published point nearest it when shown.
    std::string Readout(const std::vector<SeriesReading>& readings) const;
    // Asks for the limits of the case drawn, from its boiler to its product,
    // when they are to be shown; hides them when not or when the case failed.
    void RequestLimits();
    void ShowLimits(const CaseLimits& limits);

    const FormatSettings& settings_;
    ChartPane* pane_;
    QCheckBox* published_;
    QCheckBox* limits_;
    QLabel* limitsText_;
    LimitsSolver* limitsSolver_;
    McCabeSeries series_;
    StrengthUnit fractions_ = StrengthUnit::Weight;  // of the axes, DiagramUnit's
};

}  // namespace colmara
