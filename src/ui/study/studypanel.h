// What the study window shows: one solved case of its inputs at a time, and
// the tabs (panels) that each draw it their own way.
#pragma once

#include <QWidget>
#include <string>

#include "report/calculate.h"
#include "study/plateprofile.h"
#include "study/records.h"
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

// One tab of the study window. The base keeps the last case that solved and
// whether it is still the newest, so every tab follows one rule: a failed
// case leaves the last good curves in grey, and exports nothing until the
// inputs calculate again.
class StudyPanel : public QWidget {
  public:
    using QWidget::QWidget;

    // Takes the newest case and redraws the panel; every drawing of a case
    // goes through here.
    void ShowCase(const StudyCase& newest);

    // The last case that solved (an empty one before any).
    const StudyCase& Solved() const { return solved_; }
    // Whether Solved() is the newest case: what the panel shows belongs to
    // the inputs on screen.
    bool Current() const { return current_; }

    // Why nothing may be exported or copied from this tab now, for the
    // status line; empty when its numbers are those of the inputs shown.
    // `casePending`: the window's newest inputs are still being calculated,
    // so what a tab that follows the case shows is not theirs yet.
    std::string ExportRefusal(bool casePending = false) const;

    // The inputs an exported chart's caption names: those of the case drawn.
    virtual StudyCase CaptionCase() const { return solved_; }
    // The exported chart's caption: the inputs of CaptionCase(), and for a
    // panel with inputs of its own those of what it drew, a line each.
    virtual QString Caption() const;

    // The chart that "Export" saves; null when the panel has no chart.
    virtual ChartView* ExportChart() = 0;

    // The panel's table as CSV (the companion tool's columns and bytes) and
    // as tab-separated text for the clipboard; empty when there is none or
    // the export is refused.
    std::string TableCsv() const { return Table(TableFormat::Csv); }
    std::string TableTsv() const { return Table(TableFormat::Tsv); }
    // The table's name in the export's list of kinds ("CSV table").
    virtual std::string TableName() const { return "table"; }
    // A second table the panel exports beside its own, as CSV (the batch
    // run's timeline), refused as TableCsv is; its name, empty for none.
    std::string SecondTableCsv() const;
    virtual std::string SecondTableName() const { return {}; }

  protected:
    // Draws Solved(), in its own colours when Current() and grey when not.
    // `newest` gives what a panel follows whether or not it solved (the
    // unit, the texts).
    virtual void Draw(const StudyCase& newest) = 0;
    // The table of what the panel draws; empty when it has none.
    virtual std::string PanelTable(TableFormat) const { return {}; }
    virtual std::string PanelSecondTable() const { return {}; }
    // False for a panel whose numbers are runs of its own, each row naming
    // its inputs (the sweep), which a failed case leaves valid.
    virtual bool FollowsTheCase() const { return true; }
    // Why the panel's own numbers may not go out while the case is current
    // (a run of its own that failed or is still being calculated); empty
    // when they may.
    virtual std::string PanelRefusal() const { return {}; }

  private:
    std::string Table(TableFormat format) const;
    std::string CaseRefusal() const;

    StudyCase solved_;
    bool current_ = false;
    std::string failure_;  // the newest case's error while it failed
};

}  // namespace colmara
