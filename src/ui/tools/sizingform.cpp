#include "ui/tools/sizingform.h"

#include "runtime/exceptions.h"
#include "spirit/packings.h"
#include "studyview/failuremessage.h"
#include "toolsview/sizeanswer.h"

namespace colmara {

SizingForm::SizingForm(const FormatSettings& settings, QWidget* parent)
    : ToolForm(settings, parent), packing(new QComboBox(this)) {
    power = AddField(QStringLiteral("&Power, W"), QStringLiteral("Heating power"),
                     QStringLiteral("Heating power of the still in watts"), QString());
    strength = AddField(QStringLiteral("Boiler &strength"), QStringLiteral("Boiler strength"),
                        QStringLiteral("Strength of the liquid in the boiler"), QString());
    unit = AddChoices(QStringLiteral("&Unit"), QStringLiteral("Strength unit"),
                      QStringLiteral("Unit of the boiler strength"), kColumnStrengthUnits);
    plates = AddField(QStringLiteral("Pla&tes"), QStringLiteral("Number of plates"),
                      QStringLiteral("Theoretical plates above the boiler"), QString());
    reflux = AddField(QStringLiteral("&Reflux ratio"), QStringLiteral("Reflux ratio"),
                      QStringLiteral("Reflux returned per part of product"), QString());
    efficiency = AddField(QStringLiteral("E&fficiency, %"), QStringLiteral("Plate efficiency"),
                          QStringLiteral("How far each plate brings its vapour to equilibrium "
                                         "with its liquid, 1 to 100 %; 100 is an ideal plate"),
                          QString());
    bore = AddField(QStringLiteral("&Bore, mm"), QStringLiteral("Bore"),
                    QStringLiteral("Inside diameter of the column, 1 to 10000 mm"),
                    QStringLiteral("54"));
    for (const Packing& p : Packings())
        packing->addItem(QString::fromUtf8(p.name) + QStringLiteral(" (") +
                             QString::fromStdString(FormatExtended("0.00", p.hetpM, settings_)) +
                             QStringLiteral(" m)"),
                         QString::fromUtf8(p.key));
    packing->addItem(QStringLiteral("HETP typed below"), QString());
    AddRow(QStringLiteral("P&acking"), packing, QStringLiteral("Packing"),
           QStringLiteral("Packing and its height per theoretical plate (typical, ±30 % or more)"));
    hetp = AddField(QStringLiteral("&HETP, m"), QStringLiteral("HETP"),
                    QStringLiteral("Height of packing per theoretical plate, when typed; empty "
                                   "leaves the column height out"),
                    QString());
    waterRise =
        AddField(QStringLiteral("&Water rise, K"), QStringLiteral("Water rise"),
                 QStringLiteral("How much the cooling water warms up"), QStringLiteral("10"));
    charge = AddField(QStringLiteral("&Charge"), QStringLiteral("Charge"),
                      QStringLiteral("Charge to bring to the boil, for the heat-up time; empty "
                                     "for none"),
                      QStringLiteral("20000"));
    chargeUnit = AddChoices(QStringLiteral("Char&ge unit"), QStringLiteral("Charge unit"),
                            QStringLiteral("Unit of the charge"), kChargeUnits);
    startTemperature = AddField(
        QStringLiteral("Start te&mperature, °C"), QStringLiteral("Start temperature"),
        QStringLiteral("Temperature of the charge when heating starts"), QStringLiteral("20"));
    FinishLayout();
    connect(packing, &QComboBox::currentIndexChanged, this, &SizingForm::PackingChosen);
    hetp->setEnabled(ChosenPacking() == nullptr);
    StartWith(InputTexts{}, StrengthUnit::Weight);
}

void SizingForm::StartWith(const InputTexts& texts, StrengthUnit strengthUnit) {
    const QSignalBlocker blockers[] = {QSignalBlocker(power),  QSignalBlocker(strength),
                                       QSignalBlocker(unit),   QSignalBlocker(plates),
                                       QSignalBlocker(reflux), QSignalBlocker(efficiency)};
    power->setText(QString::fromStdString(texts.power));
    strength->setText(QString::fromStdString(texts.strength));
    Choose(unit, strengthUnit);
    plates->setText(QString::fromStdString(texts.plates));
    reflux->setText(QString::fromStdString(texts.reflux));
    efficiency->setText(QString::fromStdString(texts.efficiency));
    Answer();
}

void SizingForm::StartCharge(const std::string& amount, ChargeUnit amountUnit,
                             const std::string& startCelsius) {
    const QSignalBlocker blockers[] = {QSignalBlocker(charge), QSignalBlocker(chargeUnit),
                                       QSignalBlocker(startTemperature)};
    charge->setText(QString::fromStdString(amount));
    Choose(chargeUnit, amountUnit);
    startTemperature->setText(QString::fromStdString(startCelsius));
    Answer();
}

const Packing* SizingForm::ChosenPacking() const {
    const QString key = packing->currentData().toString();
    return key.isEmpty() ? nullptr : FindPacking(key.toStdString());
}

void SizingForm::PackingChosen() {
    hetp->setEnabled(ChosenPacking() == nullptr);
    Answer();
}

AnswerJob SizingForm::Job() const {
    SizeTexts texts;
    texts.power = Text(power);
    texts.strength = strength->text().toStdString();
    texts.plates = plates->text().toStdString();
    texts.reflux = reflux->text().toStdString();
    texts.efficiency = efficiency->text().toStdString();
    texts.unit = UnitOf<StrengthUnit>(unit);
    texts.bore = Text(bore);
    texts.packing = ChosenPacking();
    if (texts.packing == nullptr) texts.hetp = Text(hetp);
    texts.waterRise = Text(waterRise);
    if (!charge->text().trimmed().isEmpty())
        texts.charge =
            ChargeTexts{Text(charge), UnitOf<ChargeUnit>(chargeUnit), Text(startTemperature)};
    return [texts](const NumberReader& read) {
        SizeOutcome outcome = SizeAnswer(texts, read);
        // The calculation's own text names no field; the study window's rules
        // name it where they can, so the form says which field and why, once.
        if (outcome.failure)
            throw Exception(FailureCause({texts.power.text, texts.strength, texts.plates,
                                          texts.reflux, texts.efficiency},
                                         texts.unit, read.Settings())
                                .value_or(*outcome.failure));
        return outcome.answer;
    };
}

}  // namespace colmara
