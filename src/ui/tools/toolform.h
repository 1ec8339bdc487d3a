// One form of the Tools window: labelled fields that answer as they are
// typed in, and an answer below them in the form's own font. A form reads
// its texts with the window's decimal symbol and shows the tools' answer
// (toolsview), or their refusal naming the input, where the answer would be.
// A form answers on the GUI thread, or, when it asks for one, on a worker
// (AnswerWorker), showing its last answer until the newest arrives.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <string>

#include "runtime/numconv.h"
#include "toolsview/answerjob.h"
#include "toolsview/numbertext.h"
#include "toolsview/unitchoices.h"

class QFormLayout;

namespace colmara {

class AnswerWorker;

class ToolForm : public QWidget {
  public:
    // settings: the decimal symbol of fields and answers; must outlive the form.
    explicit ToolForm(const FormatSettings& settings, QWidget* parent = nullptr);

    // The answer as shown: one figure a line, or the refusal.
    QString AnswerText() const { return answer_->text(); }
    // True when the answer is a refusal or a failed calculation.
    bool Refused() const { return refused_; }
    // True while a worker computes an answer not yet shown.
    bool Busy() const;

    // Recomputes the answer from the fields; on a worker, asks for it.
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
    // The form's own answer from its fields' texts as they are now: its
    // figures, or it throws the tools' refusal.
    virtual AnswerJob Job() const = 0;
    // From now on the form answers on a worker thread of its own.
    void AnswerOnWorker();

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
        QComboBox* selector = NewChoices(choices);
        AddRow(label, selector, name, tip);
        return selector;
    }
    // A field as AddField makes it, with a selector of `choices` to its
    // right in the same row (the selector's own name and tip after the
    // field's).
    template <class Choices>
    QLineEdit* AddFieldWithChoices(const QString& label, const QString& name, const QString& tip,
                                   const QString& text, const Choices& choices,
                                   const QString& choiceName, const QString& choiceTip,
                                   QComboBox*& selector) {
        selector = NewChoices(choices);
        selector->setAccessibleName(choiceName);
        selector->setToolTip(choiceTip);
        return AddFieldBeside(label, name, tip, text, selector);
    }
    // Adds `widget` as the next row under `label`, with a name and a tip.
    void AddRow(const QString& label, QWidget* widget, const QString& name, const QString& tip);
    // Puts the answer under everything added so far, and gives the
    // selectors beside fields one width, so those fields line up.
    void FinishLayout();

    // A line edit of this form, answering on every edit, keeping any text.
    QLineEdit* NewField(const QString& text);
    // A selector of `choices`, each item holding its unit as data; every
    // choice answers again.
    template <class Choices>
    QComboBox* NewChoices(const Choices& choices) {
        auto* selector = new QComboBox(this);
        for (const auto& choice : choices)
            selector->addItem(QString::fromUtf8(choice.text), static_cast<int>(choice.unit));
        AnswerOnChoice(selector);
        return selector;
    }
    // `field`'s text under its accessible name, for the reader.
    static NamedText Text(const QLineEdit* field);

    const FormatSettings& settings_;
    QFormLayout* layout_;

    // Every choice of `selector` answers again.
    void AnswerOnChoice(QComboBox* selector);

  private:
    // AddField's row with `selector` to the field's right; the row's label
    // gives the field the focus.
    QLineEdit* AddFieldBeside(const QString& label, const QString& name, const QString& tip,
                              const QString& text, QComboBox* selector);
    void Show(const QString& text, bool refused);

    QLabel* answer_;
    bool refused_ = false;
    AnswerWorker* worker_ = nullptr;
    QList<QComboBox*> besideFields_;
};

}  // namespace colmara
