#include "ui/tools/conditionsform.h"

namespace colmara {

namespace {

// What a field stands for under one of its units.
struct FieldMeaning {
    const char* name;
    const char* tip;
    const char* empty;  // shown greyed while the field is empty
};

FieldMeaning PressureMeaning(PressureUnit unit) {
    if (unit == PressureUnit::Altitude)
        return {"Altitude",
                "Height of the still above sea level, m: a standard day's pressure there; "
                "empty: 0",
                "0 (sea level)"};
    return {"Air pressure",
            "Air pressure at the still, 300 to 1100 hPa (not reduced to sea level); empty: "
            "1013.25",
            "1013.25"};
}

FieldMeaning OffsetMeaning(OffsetUnit unit) {
    if (unit == OffsetUnit::BoilingWater)
        return {"Boiling water reading",
                "What the thermometer reads in boiling water at this pressure, °C; empty: none",
                "none (a true thermometer)"};
    return {"Thermometer offset",
            "What the thermometer reads less the true temperature, K; empty: a true thermometer",
            "0"};
}

void Mean(QLineEdit* field, const FieldMeaning& meaning) {
    field->setAccessibleName(QString::fromUtf8(meaning.name));
    field->setToolTip(QString::fromUtf8(meaning.tip));
    field->setPlaceholderText(QString::fromUtf8(meaning.empty));
}

}  // namespace

void ConditionsForm::AddConditionRows() {
    pressure = AddFieldWithChoices(
        QStringLiteral("Air pre&ssure"), QString(), QString(), QString(), kPressureUnits,
        QStringLiteral("Pressure unit"),
        QStringLiteral("The air pressure in hPa, or the altitude in m (standard atmosphere)"),
        pressureUnit);
    offset = AddFieldWithChoices(
        QStringLiteral("Thermometer o&ffset"), QString(), QString(), QString(), kOffsetUnits,
        QStringLiteral("Offset unit"),
        QStringLiteral("The offset in K, or what the thermometer reads in boiling water"),
        offsetUnit);
    NameByUnits();
    for (QComboBox* selector : {pressureUnit, offsetUnit})
        connect(selector, &QComboBox::currentIndexChanged, this, &ConditionsForm::NameByUnits);
}

void ConditionsForm::NameByUnits() {
    Mean(pressure, PressureMeaning(UnitOf<PressureUnit>(pressureUnit)));
    Mean(offset, OffsetMeaning(UnitOf<OffsetUnit>(offsetUnit)));
}

std::optional<NamedText> ConditionsForm::Optional(const QLineEdit* field) {
    if (field->text().trimmed().isEmpty()) return std::nullopt;
    return Text(field);
}

// The texts are named by the unit chosen rather than by the field's name,
// which follows the choice only once every slot of it has run.
PressureTexts ConditionsForm::Pressure() const {
    const PressureUnit unit = UnitOf<PressureUnit>(pressureUnit);
    std::optional<NamedText> text = Optional(pressure);
    if (text) text->name = PressureMeaning(unit).name;
    if (unit == PressureUnit::Altitude) return {std::nullopt, text};
    return {text, std::nullopt};
}

ThermometerTexts ConditionsForm::Thermometer() const {
    const OffsetUnit unit = UnitOf<OffsetUnit>(offsetUnit);
    std::optional<NamedText> text = Optional(offset);
    if (text) text->name = OffsetMeaning(unit).name;
    if (unit == OffsetUnit::BoilingWater) return {std::nullopt, text};
    return {text, std::nullopt};
}

}  // namespace colmara
