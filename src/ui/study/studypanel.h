// What the study window shows: one solved case of its inputs at a time, and
// the tabs (panels) that each draw it their own way.
#pragma once

#include <QWidget>
#include <string>

#include "report/calculate.h"
#include "study/plateprofile.h"
#include "study/strengthunit.h"

namespace colmara {

class ChartView;

// The newest calculation of the window's inputs.
struct StudyCase {
    InputTexts typed;  // the four texts as typed, the strength in `unit`
    StrengthUnit unit = StrengthUnit::Weight;
    // The solved case: profile.result.error holds the message of a failed
    // calculation (or of a strength by volume outside 0..100 %), and then
    // profile.plates is empty.
    CaseProfile profile;
};

// One tab of the study window.
class StudyPanel : public QWidget {
  public:
    using QWidget::QWidget;

    // The newest case. A failed case keeps the last good curves, drawn in
    // grey, until a case succeeds again.
    virtual void ShowCase(const StudyCase& study) = 0;

    // The chart that "Save chart as PNG/SVG" saves; null when the panel has
    // no chart.
    virtual ChartView* ExportChart() = 0;

    // The panel's table as CSV (the companion tool's columns and bytes) and
    // as tab-separated text for the clipboard; empty when there is none.
    virtual std::string TableCsv() const = 0;
    virtual std::string TableTsv() const = 0;
};

}  // namespace colmara
