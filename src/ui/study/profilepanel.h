// The "Column profile" tab: vapour and liquid strength (left axis, in the
// selected unit) and temperature (right axis) from the boiler (plate 0) to
// the top plate, and the same rows as the companion tool's profile table.
#pragma once

#include "ui/study/chartpane.h"
#include "ui/study/studypanel.h"

namespace colmara {

class ProfilePanel : public StudyPanel {
  public:
    explicit ProfilePanel(const FormatSettings& settings, QWidget* parent = nullptr);

    ChartView* ExportChart() override { return &pane_->View(); }

    ChartPane& Pane() { return *pane_; }
    TXYLineSeries& Vapour() { return *vapour_; }
    TXYLineSeries& Liquid() { return *liquid_; }
    TXYLineSeries& Temperature() { return *temperature_; }

  protected:
    void Draw(const StudyCase& newest) override;
    std::string PanelTable(TableFormat format) const override;

  private:
    void Fill(const StudyCase& study);
    void Colour(bool current);
    std::string Readout(const std::vector<SeriesReading>& readings) const;

    const FormatSettings& settings_;
    ChartPane* pane_;
    TXYLineSeries* vapour_;
    TXYLineSeries* liquid_;
    TXYLineSeries* temperature_;
};

}  // namespace colmara
