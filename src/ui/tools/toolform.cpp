#include "ui/tools/toolform.h"

#include <QFormLayout>
#include <limits>

#include "runtime/exceptions.h"

namespace colmara {

ToolForm::ToolForm(const FormatSettings& settings, QWidget* parent)
    : QWidget(parent),
      settings_(settings),
      layout_(new QFormLayout(this)),
      read_(settings, false),
      answer_(new QLabel(this)) {
    answer_->setAccessibleName(QStringLiteral("Answer"));
    answer_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    answer_->setFocusPolicy(Qt::StrongFocus);
    answer_->setWordWrap(true);
    answer_->setToolTip(QStringLiteral("The answer, updated as you type; select it to copy"));
    // Long field texts scroll inside their fields rather than widen the form.
    layout_->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
}

QLineEdit* ToolForm::NewField(const QString& text) {
    auto* field = new QLineEdit(text, this);
    field->setMaxLength(std::numeric_limits<int>::max());
    connect(field, &QLineEdit::textChanged, this, &ToolForm::Answer);
    return field;
}

QLineEdit* ToolForm::AddField(const QString& label, const QString& name, const QString& tip,
                              const QString& text) {
    QLineEdit* field = NewField(text);
    AddRow(label, field, name, tip);
    return field;
}

void ToolForm::AnswerOnChoice(QComboBox* selector) {
    connect(selector, &QComboBox::currentIndexChanged, this, &ToolForm::Answer);
}

void ToolForm::AddRow(const QString& label, QWidget* widget, const QString& name,
                      const QString& tip) {
    widget->setAccessibleName(name);
    widget->setToolTip(tip);
    layout_->addRow(label, widget);
}

void ToolForm::FinishLayout() {
    layout_->addRow(answer_);
}

void ToolForm::Answer() {
    // A refusal is an answer too; anything else the tools throw is shown
    // the same way, so the form stays usable.
    try {
        answer_->setText(QString::fromStdString(WindowText(Compute(), settings_)));
        refused_ = false;
    } catch (const Exception& e) {
        answer_->setText(QString::fromStdString(e.Message()));
        refused_ = true;
    }
}

NamedText ToolForm::Text(const QLineEdit* field) {
    return {field->text().toStdString(), field->accessibleName().toStdString()};
}

}  // namespace colmara
