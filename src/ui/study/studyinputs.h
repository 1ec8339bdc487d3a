// The study window's inputs: the five fields with their notes, the unit the
// strength is typed in, and the status line that says how the newest
// calculation went.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "report/calculate.h"
#include "study/strengthunit.h"
#include "studyview/typedstrength.h"
#include "ui/study/elidedlabel.h"
#include "ui/study/numberfield.h"

namespace colmara {

class StudyInputs : public QWidget {
    Q_OBJECT

  public:
    explicit StudyInputs(const FormatSettings& settings, QWidget* parent = nullptr);

    InputTexts Typed() const;
    StrengthUnit Unit() const;
    // Puts a whole setup into the fields (texts as given) and announces one change.
    void SetInputs(const InputTexts& typed, StrengthUnit unit);

    NumberField& Field(Input field) { return *fields_[Index(field)]; }
    QComboBox& UnitSelector() { return *unit_; }
    QString Note(Input field) const { return notes_[Index(field)]->FullText(); }

    // One column of fields, or two side by side where the window is narrow
    // and the inputs stand above the tabs.
    void SetColumns(int columns);

    void ShowStatus(const QString& text, bool error);
    QString Status() const { return status_->text(); }

  signals:
    // The unit strengths are typed in is now `to` (told before Changed).
    void UnitSwitched(StrengthUnit to);
    // A text or the unit changed.
    void Changed();

  private:
    static std::size_t Index(Input field) { return static_cast<std::size_t>(field); }
    void UnitChosen();
    void Edited();

    const FormatSettings& settings_;
    std::array<NumberField*, kInputs.size()> fields_{};
    std::array<ElidedLabel*, kInputs.size()> notes_{};
    struct Row {
        QLabel* label;
        QWidget* field;
        QWidget* note;  // none for the unit
    };
    std::vector<Row> rows_;  // in screen order
    int columns_ = 0;
    QComboBox* unit_;
    QLabel* status_;
    StrengthUnit shownUnit_ = StrengthUnit::Weight;  // the unit the strength text is in
    TypedStrength strength_{SwitchedStrengthText};   // follows the unit switch
    bool quiet_ = false;                             // filling several fields at once
};

}  // namespace colmara
