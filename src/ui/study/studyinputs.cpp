#include "ui/study/studyinputs.h"

#include <QGridLayout>
#include <algorithm>

#include "studyview/studychart.h"

namespace colmara {

namespace {

// What a field shows beside the input's traits.
struct FieldEntry {
    Input field;
    const char* label;  // with the mnemonic
    const char* name;   // accessible name
    double step;
};

constexpr auto kFields = std::to_array<FieldEntry>({
    {Input::Power, "&Power, W", "Heating power in watts", 100},
    {Input::Strength, "Boiler &strength", "Boiler strength", 1},
    {Input::Plates, "Pla&tes", "Number of plates", 1},
    {Input::Reflux, "&Reflux ratio", "Reflux ratio", 0.5},
    // Every letter is taken by a control some tab shows: Tab reaches it.
    {Input::Efficiency, "Efficiency, %", "Plate efficiency", 5},
});
// One field per input, in their order: a new input does not build without one.
static_assert(kFields.size() == kInputs.size() && [] {
    for (std::size_t i = 0; i < kInputs.size(); ++i)
        if (kFields[i].field != kInputs[i]) return false;
    return true;
}());

// The selector lists the units in kStrengthUnits' order.
StrengthUnit UnitAt(int index) {
    return kStrengthUnits[static_cast<std::size_t>(index)];
}

int IndexOf(StrengthUnit unit) {
    return static_cast<int>(std::find(kStrengthUnits.begin(), kStrengthUnits.end(), unit) -
                            kStrengthUnits.begin());
}

}  // namespace

StudyInputs::StudyInputs(const FormatSettings& settings, QWidget* parent)
    : QWidget(parent), settings_(settings), unit_(new QComboBox(this)), status_(new QLabel(this)) {
    new QGridLayout(this);
    for (const FieldEntry& entry : kFields) {
        auto* field = new NumberField(entry.field, entry.step, settings_, this);
        field->setAccessibleName(QString::fromUtf8(entry.name));
        auto* label = new QLabel(QString::fromUtf8(entry.label), this);
        // A label without a mnemonic is no buddy, so Alt never reaches a
        // field it does not name.
        if (QString::fromUtf8(entry.label).contains('&')) label->setBuddy(field);
        auto* note = new ElidedLabel(this);
        note->setAccessibleName(QString::fromUtf8(entry.name) + QStringLiteral(" note"));
        note->setStyleSheet(QStringLiteral("color: #a15c00;"));
        rows_.push_back({label, field, note});
        fields_[Index(entry.field)] = field;
        notes_[Index(entry.field)] = note;
        connect(field, &NumberField::TextEdited, this, &StudyInputs::Edited);
        if (entry.field == Input::Strength) {
            for (StrengthUnit u : kStrengthUnits)
                unit_->addItem(QString::fromStdString(StrengthUnitName(u)));
            unit_->setAccessibleName(QStringLiteral("Strength unit"));
            auto* unitLabel = new QLabel(QStringLiteral("&Unit"), this);
            unitLabel->setBuddy(unit_);
            rows_.push_back({unitLabel, unit_, nullptr});
        }
    }
    status_->setAccessibleName(QStringLiteral("Status"));
    status_->setWordWrap(true);
    // The status wraps within the width the window has, in three lines at
    // most; it never asks for more, and the whole text is in the tooltip.
    status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    status_->setMaximumHeight(status_->fontMetrics().lineSpacing() * 3);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    SetColumns(1);
    connect(unit_, &QComboBox::currentIndexChanged, this, &StudyInputs::UnitChosen);
    SetInputs(InputTexts{}, StrengthUnit::Weight);
}

void StudyInputs::SetColumns(int columns) {
    if (columns == columns_) return;
    columns_ = columns;
    auto* grid = static_cast<QGridLayout*>(layout());
    for (const Row& row : rows_)
        for (QWidget* w : {static_cast<QWidget*>(row.label), row.field, row.note})
            if (w) grid->removeWidget(w);
    grid->removeWidget(status_);
    // Label, field and note side by side; the rows fill one column, then
    // the next.
    const int perColumn = (static_cast<int>(rows_.size()) + columns - 1) / columns;
    for (int i = 0; i < static_cast<int>(rows_.size()); ++i) {
        const int r = i % perColumn;
        const int c = i / perColumn * 3;
        grid->addWidget(rows_[i].label, r, c);
        grid->addWidget(rows_[i].field, r, c + 1);
        if (rows_[i].note) grid->addWidget(rows_[i].note, r, c + 2);
    }
    for (int c = 0; c < grid->columnCount(); ++c) grid->setColumnStretch(c, c % 3 == 2 ? 1 : 0);
    grid->addWidget(status_, perColumn, 0, 1, 3 * columns);
}

InputTexts StudyInputs::Typed() const {
    InputTexts typed;
    for (Input input : kInputs) TextOf(typed, input) = fields_[Index(input)]->Text();
    return typed;
}

StrengthUnit StudyInputs::Unit() const {
    return shownUnit_;
}

void StudyInputs::SetInputs(const InputTexts& typed, StrengthUnit unit) {
    const StrengthUnit before = shownUnit_;
    quiet_ = true;
    shownUnit_ = unit;
    unit_->setCurrentIndex(IndexOf(unit));
    for (Input input : kInputs) Field(input).SetText(TextOf(typed, input));
    strength_.Typed(typed.strength, unit);
    quiet_ = false;
    if (unit != before) emit UnitSwitched(unit);
    Edited();
}

void StudyInputs::UnitChosen() {
    const StrengthUnit chosen = UnitAt(unit_->currentIndex());
    if (chosen == shownUnit_) return;
    shownUnit_ = chosen;
    quiet_ = true;
    Field(Input::Strength).SetText(strength_.SwitchTo(chosen, settings_));
    quiet_ = false;
    emit UnitSwitched(chosen);
    Edited();
}

void StudyInputs::Edited() {
    if (quiet_) return;
    strength_.Shown(Field(Input::Strength).Text(), shownUnit_);
    for (const FieldEntry& entry : kFields) {
        const auto note =
            FieldNote(entry.field, fields_[Index(entry.field)]->Text(), shownUnit_, settings_);
        notes_[Index(entry.field)]->SetText(note ? QString::fromStdString("⚠ " + *note)
                                                 : QString());
    }
    emit Changed();
}

void StudyInputs::ShowStatus(const QString& text, bool error) {
    status_->setText(text);
    status_->setToolTip(text);
    status_->setStyleSheet(error ? QStringLiteral("color: #b00020;") : QString());
}

}  // namespace colmara
