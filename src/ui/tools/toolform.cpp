#include "ui/tools/toolform.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <algorithm>
#include <limits>

#include "ui/tools/answerworker.h"

namespace colmara {

ToolForm::ToolForm(const FormatSettings& settings, QWidget* parent)
    : QWidget(parent),
      settings_(settings),
      layout_(new QFormLayout(this)),
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

QLineEdit* ToolForm::AddFieldBeside(const QString& label, const QString& name, const QString& tip,
                                    const QString& text, QComboBox* selector) {
    QLineEdit* field = NewField(text);
    field->setAccessibleName(name);
    field->setToolTip(tip);
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(field, 1);
    layout->addWidget(selector);
    row->setFocusProxy(field);
    layout_->addRow(label, row);
    // The label's key gives a buddy the focus only when it takes the focus
    // itself, which a row does not.
    if (auto* rowLabel = qobject_cast<QLabel*>(layout_->labelForField(row)))
        rowLabel->setBuddy(field);
    setTabOrder(field, selector);
    besideFields_ << selector;
    return field;
}

void ToolForm::FinishLayout() {
    layout_->addRow(answer_);
    int widest = 0;
    for (QComboBox* selector : besideFields_) {
        selector->ensurePolished();  // the style sets its size
        widest = std::max(widest, selector->sizeHint().width());
    }
    for (QComboBox* selector : besideFields_) selector->setMinimumWidth(widest);
}

void ToolForm::AnswerOnWorker() {
    worker_ = new AnswerWorker(this);
    connect(worker_, &AnswerWorker::Answered, this, &ToolForm::Show);
}

bool ToolForm::Busy() const {
    return worker_ != nullptr && worker_->Busy();
}

void ToolForm::Answer() {
    // A refusal is an answer too; anything else the tools throw is shown
    // the same way, so the form stays usable.
    if (worker_ != nullptr) {
        worker_->Request(Job(), settings_);
        return;
    }
    const ShownAnswer shown = ShownAnswerOf(Job(), settings_);
    Show(QString::fromStdString(shown.text), shown.refused);
}

void ToolForm::Show(const QString& text, bool refused) {
    answer_->setText(text);
    refused_ = refused;
}

NamedText ToolForm::Text(const QLineEdit* field) {
    return {field->text().toStdString(), field->accessibleName().toStdString()};
}

}  // namespace colmara
