// An input field of the study window: the text stays exactly as typed (the
// calculation reads the text, not a number), and the up/down steps change
// the number in it. A text that is no number does not step.
#pragma once

#include <QAbstractSpinBox>

#include "runtime/numconv.h"
#include "studyview/fieldrules.h"

namespace colmara {

class NumberField : public QAbstractSpinBox {
    Q_OBJECT

  public:
    // settings: the decimal symbol the text is read with; must outlive the field.
    NumberField(Input field, double step, const FormatSettings& settings,
                QWidget* parent = nullptr);

    Input Field() const { return field_; }
    std::string Text() const;
    // Replaces the text (as a user would type it) and announces the change.
    void SetText(const std::string& text);

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

  signals:
    void TextEdited();

  protected:
    StepEnabled stepEnabled() const override;

  private:
    Input field_;
    double step_;
    const FormatSettings& settings_;
};

}  // namespace colmara
