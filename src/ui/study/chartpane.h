// A study chart on screen with a line of text under it that reads the
// values under the mouse pointer off the picture as drawn (the kept layout).
#pragma once

#include <QLabel>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "chart/chartreadout.h"
#include "ui/chart/chartview.h"

namespace colmara {

class ChartPane : public QWidget {
  public:
    // Writes the readings under the pointer as one line (empty: nothing).
    using ReadoutText = std::function<std::string(const std::vector<SeriesReading>&)>;

    ChartPane(const QString& accessibleName, ReadoutText readout, const FormatSettings& settings,
              QWidget* parent = nullptr);

    ChartView& View() { return *view_; }
    TChart& Chart() { return view_->Chart(); }
    QString Readout() const { return readout_->text(); }

    // The readout for a pointer at `at` in the chart's pixels.
    void ReadAt(QPoint at);
    // Where the pointer was last read, in the chart's pixels.
    Point Pointer() const { return pointer_; }

  protected:
    // The focus frame around the chart while it has the focus.
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    static constexpr int kFocusFrame = 2;

    ChartView* view_;
    QLabel* readout_;
    ReadoutText text_;
    Point pointer_;
};

}  // namespace colmara
