#include "ui/tools/sizingform.h"

#include "runtime/exceptions.h"
#include "spirit/packings.h"
#include "spirit/stillsize.h"

namespace colmara {

namespace {

std::string Figure(long double value, const char* picture, const FormatSettings& settings) {
    return FormatExtended(picture, value, settings);
}

}  // namespace

SizingForm::SizingForm(const FormatSettings& settings, QWidget* parent)
    : ToolForm(settings, parent),
      unit(new QComboBox(this)),
      packing(new QComboBox(this)),
      chargeUnit(new QComboBox(this)) {
    power = AddField(QStringLiteral("&Power, W"), QStringLiteral("Heating power"),
                     QStringLiteral("Heating power of the still in watts"), QString());
    strength = AddField(QStringLiteral("Boiler &strength"), QStringLiteral("Boiler strength"),
                        QStringLiteral("Strength of the liquid in the boiler"), QString());
    unit->addItem(QStringLiteral("% by weight"));
    unit->addItem(QStringLiteral("% by volume at 20 °C"));
    AddRow(QStringLiteral("&Unit"), unit, QStringLiteral("Strength unit"),
           QStringLiteral("Unit of the boiler strength"));
    plates = AddField(QStringLiteral("Pla&tes"), QStringLiteral("Number of plates"),
                      QStringLiteral("Theoretical plates above the boiler"), QString());
    reflux = AddField(QStringLiteral("&Reflux ratio"), QStringLiteral("Reflux ratio"),
                      QStringLiteral("Reflux returned per part of product"), QString());
    bore = AddField(QStringLiteral("&Bore, mm"), QStringLiteral("Bore"),
                    QStringLiteral("Inside diameter of the column"), QStringLiteral("54"));
    for (const Packing& p : Packings())
        packing->addItem(QString::fromUtf8(p.name) + QStringLiteral(" (") +
                         QString::fromStdString(Figure(p.hetpM, "0.00", settings_)) +
                         QStringLiteral(" m)"));
    packing->addItem(QStringLiteral("HETP typed below"));
    AddRow(QStringLiteral("P&acking"), packing, QStringLiteral("Packing"),
           QStringLiteral("Packing and its height per theoretical plate (typical, ±30 % or more)"));
    hetp =
        AddField(QStringLiteral("&HETP, m"), QStringLiteral("HETP"),
                 QStringLiteral("Height of packing per theoretical plate, when typed"), QString());
    waterRise =
        AddField(QStringLiteral("&Water rise, K"), QStringLiteral("Water rise"),
                 QStringLiteral("How much the cooling water warms up"), QStringLiteral("10"));
    charge = AddField(QStringLiteral("&Charge"), QStringLiteral("Charge"),
                      QStringLiteral("Charge to bring to the boil, for the heat-up time; empty "
                                     "for none"),
                      QStringLiteral("20000"));
    chargeUnit->addItem(QStringLiteral("ml at 20 °C"));
    chargeUnit->addItem(QStringLiteral("g"));
    AddRow(QStringLiteral("Char&ge unit"), chargeUnit, QStringLiteral("Charge unit"),
           QStringLiteral("Unit of the charge"));
    startTemperature = AddField(
        QStringLiteral("Start te&mperature, °C"), QStringLiteral("Start temperature"),
        QStringLiteral("Temperature of the charge when heating starts"), QStringLiteral("20"));
    FinishLayout();
    connect(unit, &QComboBox::currentIndexChanged, this, &ToolForm::Answer);
    connect(chargeUnit, &QComboBox::currentIndexChanged, this, &ToolForm::Answer);
    connect(packing, &QComboBox::currentIndexChanged, this, &SizingForm::PackingChosen);
    hetp->setEnabled(packing->currentIndex() == packing->count() - 1);
    StartWith(InputTexts{}, StrengthUnit::Weight);
}

void SizingForm::StartWith(const InputTexts& texts, StrengthUnit strengthUnit) {
    const QSignalBlocker blockers[] = {QSignalBlocker(power), QSignalBlocker(strength),
                                       QSignalBlocker(unit), QSignalBlocker(plates),
                                       QSignalBlocker(reflux)};
    power->setText(QString::fromStdString(texts.power));
    strength->setText(QString::fromStdString(texts.strength));
    unit->setCurrentIndex(strengthUnit == StrengthUnit::Volume ? 1 : 0);
    plates->setText(QString::fromStdString(texts.plates));
    reflux->setText(QString::fromStdString(texts.reflux));
    Answer();
}

void SizingForm::PackingChosen() {
    hetp->setEnabled(packing->currentIndex() == packing->count() - 1);
    Answer();
}

std::optional<StillCharge> SizingForm::Charge() const {
    if (charge->text().trimmed().isEmpty()) return std::nullopt;
    return StillCharge{
        static_cast<double>(Number(charge)),
        chargeUnit->currentIndex() == 1 ? ChargeUnit::Grams : ChargeUnit::Millilitres,
        Number(startTemperature)};
}

std::string SizingForm::Compute() const {
    const InputTexts texts{power->text().toStdString(), strength->text().toStdString(),
                           plates->text().toStdString(), reflux->text().toStdString()};
    const int chosen = packing->currentIndex();
    const bool typed = chosen < 0 || chosen >= static_cast<int>(Packings().size());
    const StillHardware hardware{Number(bore), typed ? Number(hetp) : Packings()[chosen].hetpM,
                                 Number(waterRise)};
    const StrengthUnit strengthUnit =
        unit->currentIndex() == 1 ? StrengthUnit::Volume : StrengthUnit::Weight;
    const StillSize size = SizeStill(texts, settings_, strengthUnit, hardware, Charge());
    if (!size.result.Solved()) throw Exception(*size.result.error);
    std::string heatUp;
    if (size.heatUpMinutes)
        heatUp = '\n' + Line("Heat-up (estimate)", *size.heatUpMinutes, "0.0", "min");
    return Line("Column height", size.columnHeightM, "0.00", "m") + '\n' +
           Line("Vapour speed, bottom", size.bottom.speed, "0.000", "m/s") + '\n' +
           Line("Vapour speed, top", size.top.speed, "0.000", "m/s") + '\n' +
           Line("F-factor, bottom", size.bottom.fFactor, "0.000", "Pa^0.5") + '\n' +
           Line("F-factor, top", size.top.fFactor, "0.000", "Pa^0.5") + '\n' +
           Line("Condenser duty", size.condenserKw, "0.000", "kW") + '\n' +
           Line("Cooling water", size.coolingWaterLMin, "0.00", "l/min") + heatUp;
}

}  // namespace colmara
