#include "ui/study/studyinputs.h"

#include <QGridLayout>

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
});
// One field per input, in their order: a new input does not build without one.
static_assert(kFields.size() == kInputs.size() && [] {
    for (std::size_t i = 0; i < kInputs.size(); ++i)
        if (kFields[i].field != kInputs[i]) return false;
    return true;
}());

StrengthUnit UnitAt(int index) {
    return index == 1 ? StrengthUnit::Volume : StrengthUnit::Weight;
}

}  // namespace

StudyInputs::StudyInputs(const FormatSettings& settings, QWidget* parent)
    : QWidget(parent), settings_(settings), unit_(new QComboBox(this)), status_(new QLabel(this)) {
    auto* grid = new QGridLayout(this);
    grid->setColumnStretch(2, 1);
    int row = 0;
    for (const FieldEntry& entry : kFields) {
        auto* field = new NumberField(entry.field, entry.step, settings_, this);
        field->setAccessibleName(QString::fromUtf8(entry.name));
        auto* label = new QLabel(QString::fromUtf8(entry.label), this);
        label->setBuddy(field);
        auto* note = new QLabel(this);
        note->setAccessibleName(QString::fromUtf8(entry.name) + QStringLiteral(" note"));
        note->setStyleSheet(QStringLiteral("color: #a15c00;"));
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        grid->addWidget(note, row, 2);
        fields_[Index(entry.field)] = field;
        notes_[Index(entry.field)] = note;
        connect(field, &NumberField::TextEdited, this, &StudyInputs::Edited);
        ++row;
        if (entry.field == Input::Strength) {
            for (StrengthUnit u : {StrengthUnit::Weight, StrengthUnit::Volume})
                unit_->addItem(QString::fromStdString(StrengthUnitName(u)));
            unit_->setAccessibleName(QStringLiteral("Strength unit"));
            auto* unitLabel = new QLabel(QStringLiteral("&Unit"), this);
            unitLabel->setBuddy(unit_);
            grid->addWidget(unitLabel, row, 0);
            grid->addWidget(unit_, row, 1);
            ++row;
        }
    }
    status_->setAccessibleName(QStringLiteral("Status"));
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(status_, row, 0, 1, 3);
    connect(unit_, &QComboBox::currentIndexChanged, this, &StudyInputs::UnitChosen);
    SetInputs(InputTexts{}, StrengthUnit::Weight);
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
    quiet_ = true;
    shownUnit_ = unit;
    unit_->setCurrentIndex(unit == StrengthUnit::Volume ? 1 : 0);
    for (Input input : kInputs) Field(input).SetText(TextOf(typed, input));
    typedStrength_ = typed.strength;
    typedUnit_ = unit;
    switchedStrength_.reset();
    quiet_ = false;
    Edited();
}

void StudyInputs::UnitChosen() {
    const StrengthUnit chosen = UnitAt(unit_->currentIndex());
    if (chosen == shownUnit_) return;
    if (chosen == typedUnit_)
        switchedStrength_.reset();
    else
        switchedStrength_ = SwitchedStrengthText(typedStrength_, typedUnit_, chosen, settings_);
    shownUnit_ = chosen;
    quiet_ = true;
    Field(Input::Strength).SetText(switchedStrength_.value_or(typedStrength_));
    quiet_ = false;
    Edited();
}

void StudyInputs::Edited() {
    if (quiet_) return;
    RememberStrength();
    for (const FieldEntry& entry : kFields) {
        const auto note =
            FieldNote(entry.field, fields_[Index(entry.field)]->Text(), shownUnit_, settings_);
        notes_[Index(entry.field)]->setText(note ? QString::fromStdString("⚠ " + *note)
                                                 : QString());
    }
    emit Changed();
}

void StudyInputs::RememberStrength() {
    const std::string text = Field(Input::Strength).Text();
    if (text == switchedStrength_) return;
    typedStrength_ = text;
    typedUnit_ = shownUnit_;
    switchedStrength_.reset();
}

void StudyInputs::ShowStatus(const QString& text, bool error) {
    status_->setText(text);
    status_->setStyleSheet(error ? QStringLiteral("color: #b00020;") : QString());
}

}  // namespace colmara
