#include "ui/tools/blendform.h"

#include <QFormLayout>
#include <QHBoxLayout>

#include "toolsview/spiritanswers.h"

namespace colmara {

BlendForm::BlendForm(const FormatSettings& settings, QWidget* parent)
    : ToolForm(settings, parent),
      add(new QPushButton(QStringLiteral("&Add part"))),
      remove(new QPushButton(QStringLiteral("&Remove last part"))) {
    unit = AddChoices(QStringLiteral("&Unit"), QStringLiteral("Strength unit"),
                      QStringLiteral("Unit of the parts' strengths"), kSpiritStrengthUnits);
    auto* buttons = new QWidget(this);
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(add);
    row->addWidget(remove);
    add->setToolTip(QStringLiteral("Add a part to the blend"));
    remove->setToolTip(QStringLiteral("Take the last part out of the blend"));
    layout_->addRow(buttons);
    FinishLayout();
    connect(add, &QPushButton::clicked, this,
            [this] { AddPart(QStringLiteral("500"), QString()); });
    connect(remove, &QPushButton::clicked, this, &BlendForm::RemovePart);
    AddPart(QStringLiteral("1000"), QStringLiteral("60"));
    AddPart(QStringLiteral("500"), QStringLiteral("40"));
}

void BlendForm::AddPart(const QString& volume, const QString& strength) {
    const QString n = QString::number(parts_.size() + 1);
    auto field = [this, &n](const QString& what, const QString& tip, const QString& text) {
        QLineEdit* edit = NewField(text);
        edit->setAccessibleName(QStringLiteral("Part ") + n + ' ' + what);
        edit->setToolTip(tip);
        return edit;
    };
    PartFields part{
        field(QStringLiteral("volume"), QStringLiteral("Millilitres of this part"), volume),
        field(QStringLiteral("strength"), QStringLiteral("Its true strength"), strength),
        field(QStringLiteral("temperature"),
              QStringLiteral("°C at which the volume was measured (-20 to 40)"),
              QStringLiteral("20"))};
    auto* row = new QWidget(this);
    auto* fields = new QHBoxLayout(row);
    fields->setContentsMargins(0, 0, 0, 0);
    fields->addWidget(part.volume);
    fields->addWidget(new QLabel(QStringLiteral("ml of"), row));
    fields->addWidget(part.strength);
    fields->addWidget(new QLabel(QStringLiteral("at"), row));
    fields->addWidget(part.temperature);
    fields->addWidget(new QLabel(QStringLiteral("°C"), row));
    // Parts go above the unit selector, buttons and answer (the last three rows).
    layout_->insertRow(static_cast<int>(parts_.size()), QStringLiteral("Part ") + n, row);
    parts_.push_back(part);
    remove->setEnabled(parts_.size() > 1);
    Answer();
}

void BlendForm::RemovePart() {
    if (parts_.size() <= 1) return;
    layout_->removeRow(static_cast<int>(parts_.size()) - 1);
    parts_.pop_back();
    remove->setEnabled(parts_.size() > 1);
    Answer();
}

AnswerJob BlendForm::Job() const {
    BlendTexts texts{{}, UnitOf<StrengthUnit>(unit)};
    for (const PartFields& f : parts_)
        texts.parts.push_back({Text(f.volume), Text(f.strength), Text(f.temperature)});
    return [texts](const NumberReader& read) { return BlendAnswer(texts, read); };
}

}  // namespace colmara
