// The McCabe-Thiele tab of the study window: the diagram of the newest case
// in mass fractions, with the published equilibrium points on request, and
// its table of stages.
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

    void ShowCase(const StudyCase& study) override;
    ChartView* ExportChart() override { return &pane_->View(); }
    std::string TableCsv() const override;
    std::string TableTsv() const override;

    const McCabeSeries& Series() const { return series_; }
    ChartPane& Pane() { return *pane_; }
    QCheckBox* PublishedBox() const { return published_; }

  private:
    // The equilibrium curve and the operating point nearest the pointer.
    std::string Readout(const std::vector<SeriesReading>& readings) const;

    const FormatSettings& settings_;
    ChartPane* pane_;
    QCheckBox* published_;
    McCabeSeries series_;
    // The table of the newest case; empty while it has failed.
    std::vector<Record> records_;
};

}  // namespace colmara
