// One form of the Tools window: labelled fields that answer as they are
// typed in, and an answer below them in the form's own font. A form reads
// its numbers with the window's decimal symbol and shows a refusal (the
// tools' message naming the input) where the answer would be.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <string>

#include "runtime/numconv.h"
#include "spirit/spiritstrength.h"

class QComboBox;
class QFormLayout;

namespace colmara {

class ToolForm : public QWidget {
  public:
    // settings: the decimal symbol of fields and answers; must outlive the form.
    explicit ToolForm(const FormatSettings& settings, QWidget* parent = nullptr);

    // The answer as shown: one figure a line, or the refusal.
    QString AnswerText() const { return answer_->text(); }
    // True when the answer is a refusal or a failed calculation.
    bool Refused() const { return refused_; }

    // Recomputes the answer from the fields.
    void Answer();

  protected:
    // The form's own answer: its lines, or it throws the tools' refusal.
    virtual std::string Compute() const = 0;

    // A field with its label (with a mnemonic), accessible name, tooltip and
    // first text, added as the next row; every edit answers again.
    QLineEdit* AddField(const QString& label, const QString& name, const QString& tip,
                        const QString& text);
    // A unit selector, % by volume at 20 degC first, added as the next row.
    QComboBox* AddUnitSelector(const QString& label, const QString& name, const QString& tip);
    // Adds `widget` as the next row under `label`, with a name and a tip.
    void AddRow(const QString& label, QWidget* widget, const QString& name, const QString& tip);
    // Puts the answer under everything added so far.
    void FinishLayout();

    // `field`'s text as a number; throws SpiritError "<name>: not a number".
    long double Number(const QLineEdit* field) const;
    static StrengthUnit UnitOf(const QComboBox* selector);
    // "label: value unit", the value under `picture` in the window's symbols.
    std::string Line(const char* label, long double value, const char* picture,
                     const char* unit) const;

    const FormatSettings& settings_;
    QFormLayout* layout_;

  private:
    QLabel* answer_;
    bool refused_ = false;
};

}  // namespace colmara
