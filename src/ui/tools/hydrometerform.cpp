#include "ui/tools/hydrometerform.h"

#include "toolsview/spiritanswers.h"

namespace colmara {

HydrometerForm::HydrometerForm(const FormatSettings& settings, QWidget* parent)
    : ToolForm(settings, parent) {
    reading = AddField(QStringLiteral("&Reading"), QStringLiteral("Reading"),
                       QStringLiteral("What the alcoholmeter shows"), QStringLiteral("40"));
    temperature = AddField(QStringLiteral("&Temperature, °C"), QStringLiteral("Temperature"),
                           QStringLiteral("Temperature of the spirit when read, -20 to 40 °C"),
                           QStringLiteral("20"));
    unit =
        AddChoices(QStringLiteral("&Meter's scale"), QStringLiteral("Meter scale"),
                   QStringLiteral("What the alcoholmeter is graduated in"), kSpiritStrengthUnits);
    volume = AddField(QStringLiteral("&Volume, ml"), QStringLiteral("Volume at the temperature"),
                      QStringLiteral("Optional: millilitres measured at that temperature, "
                                     "to convert to 20 °C"),
                      QString());
    FinishLayout();
    Answer();
}

AnswerJob HydrometerForm::Job() const {
    HydrometerTexts texts{Text(reading), Text(temperature), std::nullopt,
                          UnitOf<StrengthUnit>(unit)};
    if (!volume->text().trimmed().isEmpty()) texts.volume = Text(volume);
    return [texts](const NumberReader& read) { return HydrometerAnswer(texts, read); };
}

}  // namespace colmara
