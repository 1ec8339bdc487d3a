#include "ui/tools/dilutionform.h"

#include <QComboBox>
#include <QFormLayout>

#include "spirit/dilution.h"

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
    unit = AddUnitSelector(QStringLiteral("&Unit"), QStringLiteral("Strength unit"),
                           QStringLiteral("Unit of both strengths"));
    FinishLayout();
    Answer();
}

std::string DilutionForm::Compute() const {
    const Strength from{Number(strength), UnitOf(unit)};
    const Strength to{Number(target), UnitOf(unit)};
    const bool reverse = finalVolume->isChecked();
    const Dilution d =
        reverse ? DiluteToVolume(Number(volume), from, to) : Dilute(Number(volume), from, to);
    std::string text;
    if (reverse) text += Line("Spirit", d.spiritMl, "0.0", "ml") + '\n';
    text += Line("Water to add", d.waterMl, "0.0", "ml") + '\n';
    text += Line("Final volume", d.finalVolumeMl, "0.0", "ml") + '\n';
    return text + Line("Final strength", d.finalStrengthVol, "0.00", "% vol");
}

}  // namespace colmara
