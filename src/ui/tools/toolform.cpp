#include "ui/tools/toolform.h"

#include <QComboBox>
#include <QFormLayout>

#include "runtime/exceptions.h"
#include "spirit/spiriterror.h"

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
}

QLineEdit* ToolForm::AddField(const QString& label, const QString& name, const QString& tip,
                              const QString& text) {
    auto* field = new QLineEdit(text, this);
    AddRow(label, field, name, tip);
    connect(field, &QLineEdit::textChanged, this, &ToolForm::Answer);
    return field;
}

QComboBox* ToolForm::AddUnitSelector(const QString& label, const QString& name,
                                     const QString& tip) {
    auto* selector = new QComboBox(this);
    selector->addItem(QStringLiteral("% by volume at 20 °C"));
    selector->addItem(QStringLiteral("% by weight"));
    AddRow(label, selector, name, tip);
    connect(selector, &QComboBox::currentIndexChanged, this, &ToolForm::Answer);
    return selector;
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
        answer_->setText(QString::fromStdString(Compute()));
        refused_ = false;
    } catch (const Exception& e) {
        answer_->setText(QString::fromStdString(e.Message()));
        refused_ = true;
    }
}

long double ToolForm::Number(const QLineEdit* field) const {
    try {
        return ParseExtended(field->text().toStdString(), settings_);
    } catch (const EConvertError&) {
        throw SpiritError(field->accessibleName().toStdString() + ": not a number");
    }
}

StrengthUnit ToolForm::UnitOf(const QComboBox* selector) {
    return selector->currentIndex() == 1 ? StrengthUnit::Weight : StrengthUnit::Volume;
}

std::string ToolForm::Line(const char* label, long double value, const char* picture,
                           const char* unit) const {
    return std::string(label) + ": " + FormatExtended(picture, value, settings_) + ' ' + unit;
}

}  // namespace colmara
