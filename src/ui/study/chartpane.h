// A study chart on screen with a line of text under it that reads the
// values under the mouse pointer off the picture as drawn (the kept layout).
#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "chart/chartreadout.h"
#include "ui/chart/chartview.h"
#include "ui/study/elidedlabel.h"

namespace colmara {

class ChartPane : public QWidget {
  public:
    // Writes the readings under the pointer as one line (empty: nothing).
    using ReadoutText = std::function<std::string(const std::vector<SeriesReading>&)>;

    ChartPane(const QString& accessibleName, ReadoutText readout, const FormatSettings& settings,
              QWidget* parent = nullptr);

    ChartView& View() { return *view_; }
    TChart& Chart() { return view_->Chart(); }
    // The whole readout; a long one shows cut, whole in its tooltip.
    QString Readout() const { return readout_->FullText(); }

    // The readout for a pointer at `at` in the chart's pixels. Until the
    // pointer leaves the chart, the readout follows every new picture: a new
    // case read at the same point, not the last one's values.
    void ReadAt(QPoint at);
    // The bottom and left axes' values under the pointer the readout was
    // made for.
    double PointerX() const;
    double PointerY() const;

  protected:
    // The focus frame around the chart while it has the focus.
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    static constexpr int kFocusFrame = 2;

    ChartView* view_;
    ElidedLabel* readout_;
    ReadoutText text_;
    QPoint pointer_;
    bool reading_ = false;  // the readout reads the point `pointer_`
};

}  // namespace colmara
