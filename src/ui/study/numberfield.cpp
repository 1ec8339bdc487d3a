#include "ui/study/numberfield.h"

#include <QLineEdit>
#include <limits>

namespace colmara {

NumberField::NumberField(Input field, double step, const FormatSettings& settings, QWidget* parent)
    : QAbstractSpinBox(parent), field_(field), step_(step), settings_(settings) {
    // Nothing is corrected on leaving the field: the text is the input.
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
    setAccelerated(true);
    setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000.000000000")));
    // A text from a setup file or the settings is kept whole, however long:
    // the line edit's default limit would cut it without a word.
    lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    connect(lineEdit(), &QLineEdit::textEdited, this, &NumberField::TextEdited);
}

std::string NumberField::Text() const {
    return lineEdit()->text().toStdString();
}

void NumberField::SetText(const std::string& text) {
    if (Text() == text) return;
    lineEdit()->setText(QString::fromStdString(text));
    // A long text (a converted strength) shows from its start.
    lineEdit()->setCursorPosition(0);
    emit TextEdited();
}

void NumberField::stepBy(int steps) {
    if (auto next = SteppedText(field_, Text(), steps, step_, settings_)) {
        SetText(*next);
        lineEdit()->selectAll();
    }
}

QValidator::State NumberField::validate(QString&, int&) const {
    // Any text is a valid input; the calculation says what is wrong with it.
    return QValidator::Acceptable;
}

void NumberField::fixup(QString&) const {}

QAbstractSpinBox::StepEnabled NumberField::stepEnabled() const {
    if (isReadOnly() || !SteppedText(field_, Text(), 1, step_, settings_)) return StepNone;
    return StepUpEnabled | StepDownEnabled;
}

}  // namespace colmara
