// The McCabe-Thiele tab of the study window: the diagram of the newest case
// in mass fractions (mole fractions when strengths are shown by mole), with
// the published equilibrium points on request, and its table of stages.
#pragma once

#include <vector>

#include "chart/chartreadout.h"
#include "study/records.h"
#include "studyview/mccabechart.h"
#include "ui/study/chartpane.h"
#include "ui/study/studypanel.h"

class QCheckBox;

namespace colmara {

class McCabePanel : public StudyPanel {
  public:
    // settings: the number symbols of the chart's texts; must outlive the panel.
    explicit McCabePanel(const FormatSettings& settings, QWidget* parent = nullptr);

    ChartView* ExportChart() override { return &pane_->View(); }

    const McCabeSeries& Series() const { return series_; }
    ChartPane& Pane() { return *pane_; }
    QCheckBox* PublishedBox() const { return published_; }

  protected:
    void Draw(const StudyCase& newest) override;
    std::string PanelTable(TableFormat format) const override;

  private:
    // The pointer's x and y, and the published point nearest it when shown.
    std::string Readout(const std::vector<SeriesReading>& readings) const;

    const FormatSettings& settings_;
    ChartPane* pane_;
    QCheckBox* published_;
    McCabeSeries series_;
    StrengthUnit fractions_ = StrengthUnit::Weight;  // of the axes, DiagramUnit's
};

}  // namespace colmara
