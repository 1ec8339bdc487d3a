// One form of the Tools window: labelled fields that answer as they are
// typed in, and an answer below them in the form's own font. A form reads
// its texts with the window's decimal symbol and shows the tools' answer
// (toolsview), or their refusal naming the input, where the answer would be.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <string>

#include "runtime/numconv.h"
#include "toolsview/numbertext.h"
#include "toolsview/toolanswer.h"
#include "toolsview/unitchoices.h"

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

    // The unit a selector made by AddChoices shows, and choosing one.
    template <class Unit>
    static Unit UnitOf(const QComboBox* selector) {
        return static_cast<Unit>(selector->currentData().toInt());
    }
    template <class Unit>
    static void Choose(QComboBox* selector, Unit unit) {
        selector->setCurrentIndex(selector->findData(static_cast<int>(unit)));
    }

  protected:
    // The form's own answer: its figures, or it throws the tools' refusal.
    virtual ToolAnswer Compute() const = 0;

    // A field with its label (with a mnemonic), accessible name, tooltip and
    // first text, added as the next row; every edit answers again. It keeps
    // a text of any length whole.
    QLineEdit* AddField(const QString& label, const QString& name, const QString& tip,
                        const QString& text);
    // A selector of `choices`, each item holding its unit as data, added as
    // the next row; every choice answers again.
    template <class Choices>
    QComboBox* AddChoices(const QString& label, const QString& name, const QString& tip,
                          const Choices& choices) {
        auto* selector = new QComboBox(this);
        for (const auto& choice : choices)
            selector->addItem(QString::fromUtf8(choice.text), static_cast<int>(choice.unit));
        AddRow(label, selector, name, tip);
        AnswerOnChoice(selector);
        return selector;
    }
    // Adds `widget` as the next row under `label`, with a name and a tip.
    void AddRow(const QString& label, QWidget* widget, const QString& name, const QString& tip);
    // Puts the answer under everything added so far.
    void FinishLayout();

    // A line edit of this form, answering on every edit, keeping any text.
    QLineEdit* NewField(const QString& text);
    // `field`'s text under its accessible name, for the reader.
    static NamedText Text(const QLineEdit* field);
    // The form's reader: refusals name the field without repeating its text.
    const NumberReader& Read() const { return read_; }

    const FormatSettings& settings_;
    QFormLayout* layout_;

    // Every choice of `selector` answers again.
    void AnswerOnChoice(QComboBox* selector);

  private:
    NumberReader read_;
    QLabel* answer_;
    bool refused_ = false;
};

}  // namespace colmara
