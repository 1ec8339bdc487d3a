#include "ui/tools/dilutionform.h"

#include "toolsview/spiritanswers.h"

namespace colmara {

DilutionForm::DilutionForm(const FormatSettings& settings, QWidget* parent)
    : ToolForm(settings, parent) {
    volume = AddField(QStringLiteral("&Volume, ml"), QStringLiteral("Volume"),
                      QStringLiteral("Millilitres at 20 °C: of the spirit, or to make"),
                      QStringLiteral("1000"));
    finalVolume = new QCheckBox(QStringLiteral("The volume is the &final volume to make"), this);
    AddRow(QString(), finalVolume, QStringLiteral("Volume is the final volume"),
           QStringLiteral("Tell the spirit and water that make this volume at the target"));
    connect(finalVolume, &QCheckBox::toggled, this, &ToolForm::Answer);
    strength = AddField(QStringLiteral("&Strength"), QStringLiteral("Strength"),
                        QStringLiteral("Strength of the spirit"), QStringLiteral("80"));
    target = AddField(QStringLiteral("&Target strength"), QStringLiteral("Target strength"),
                      QStringLiteral("Strength to bring it down to"), QStringLiteral("40"));
    unit = AddChoices(QStringLiteral("&Unit"), QStringLiteral("Strength unit"),
                      QStringLiteral("Unit of both strengths"), kSpiritStrengthUnits);
    FinishLayout();
    Answer();
}

AnswerJob DilutionForm::Job() const {
    return [texts = DiluteTexts{Text(volume), finalVolume->isChecked(), Text(strength),
                                Text(target), UnitOf<StrengthUnit>(unit)}](
               const NumberReader& read) { return DiluteAnswer(texts, read); };
}

}  // namespace colmara
