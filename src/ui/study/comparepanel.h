// The "Compare" tab: the current run's vapour strength per plate against up
// to four pinned runs, drawn dashed and named by their inputs. Pins keep
// the model's rows, by weight, so they follow the unit selector.
#pragma once

#include <QListWidget>
#include <QPushButton>
#include <vector>

#include "ui/study/chartpane.h"
#include "ui/study/studypanel.h"

namespace colmara {

class ComparePanel : public StudyPanel {
  public:
    static constexpr int kMaxPins = 4;

    explicit ComparePanel(const FormatSettings& settings, QWidget* parent = nullptr);

    ChartView* ExportChart() override { return &pane_->View(); }

    // Pins the current run; false when there is no solved run or no room.
    bool PinCurrent();
    void RemovePin(int index);
    void ClearPins();
    // The pins' names, as the list and the legend show them.
    std::vector<std::string> PinNames() const;

    ChartPane& Pane() { return *pane_; }

  protected:
    void Draw(const StudyCase& newest) override;

  private:
    struct Pin {
        StudyCase study;
        TXYLineSeries* line;
    };
    void Redraw();
    void UpdateControls();
    std::string PinName(const Pin& pin) const;
    std::string Readout(const std::vector<SeriesReading>& readings) const;

    const FormatSettings& settings_;
    ChartPane* pane_;
    TXYLineSeries* current_;
    QListWidget* list_;
    QPushButton* pin_;
    QPushButton* remove_;
    QPushButton* clear_;
    StrengthUnit unit_ = StrengthUnit::Weight;
    std::vector<Pin> pins_;
};

}  // namespace colmara
